// What libnotes.so publishes: the API functions by name, nothing else.
#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

class Library {
public:
    Library() : m_handle(dlopen(NOTES_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {}
    ~Library() {
        if (m_handle)
            dlclose(m_handle);
    }
    bool Has(const char* name) const { return m_handle && dlsym(m_handle, name); }
    bool Loaded() const { return m_handle != nullptr; }

private:
    void* m_handle;
};

} // namespace

TEST(Exports, EveryApiFunctionResolvesByName) {
    Library lib;
    ASSERT_TRUE(lib.Loaded()) << dlerror();
    const char* names[] = {
        "NotesInitExtended", "NotesInit", "NotesTerm", "SECKFMSwitchToIDFile", "SECKFMGetUserName",
        "OSLoadString", "OSGetDataDirectory",
        "OSPathNetConstruct", "OSMemFree", "NSFDbOpen", "NSFDbClose", "NSFFormulaCompile",
        "NSFSearch", "NSFNoteOpen", "NSFNoteCreate", "NSFNoteUpdate", "NSFNoteClose",
        "NSFNoteDelete", "NSFItemScan", "NSFItemSetText", "NSFItemGetText", "NSFItemSetTime",
        "NSFItemSetNumber", "NSFItemTextEqual", "NSFItemTimeCompare", "NSFItemGetNumber",
        "NSFItemAppend", "NSFItemDelete", "NSFItemInfo", "ODSLength", "ODSWriteMemory",
        "ConvertTextToTIMEDATE", "ConvertTIMEDATEToText", "ZNSCreateDatabase",
        "ZNSCreateIDFile", "ZNSSetAccess", "ZNSBeginBatch", "ZNSEndBatch",
        // the calls of the toolkit's basic samples
        "OSTranslate", "OSTranslate32", "OSCurrentTIMEDATE", "NSFDbInfoGet", "NSFDbInfoSet",
        "NSFDbInfoParse", "NSFDbInfoModify", "NSFDbPathIsRemote", "NSFSearchExt2",
        "IDCreateTable", "IDDestroyTable", "IDInsert", "IDDelete", "IDDeleteAll", "IDEnumerate",
        "IDEntries", "IDIsPresent", "IDScan", "NSFItemConvertToText", "NSFItemGetTime",
        "NSFItemGetTextListEntries", "NSFItemGetTextListEntry", "NSFItemCreateTextList",
        "NSFItemAppendTextList", "NSFGetSummaryValue", "NSFLocateSummaryValue", "ListGetText",
        "ConvertIEEEToDouble", "ZNSConvertDatabase"};
    for (const char* name : names)
        EXPECT_TRUE(lib.Has(name)) << name;
}

TEST(Exports, InnerPartsStayHidden) {
    Library lib;
    ASSERT_TRUE(lib.Loaded());
    EXPECT_FALSE(lib.Has("_ZN3zns8CopyTextEPcmRKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"));
    EXPECT_FALSE(lib.Has("_ZN3zns10TheSessionEv"));
    EXPECT_FALSE(lib.Has("NSFItemIsPresent")) << "a macro over NSFItemInfo, as in the toolkit";
}
