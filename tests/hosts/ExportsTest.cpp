#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <dlfcn.h>
#include <string>

#include "ZembrikVersion.h"

// The dynamic symbol table of the access library, demangled.
static std::string DynamicSymbols() {
    std::string command = std::string("nm -DC --defined-only '") + LNACCESS_LIBRARY + "'";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        out.append(chunk.data(), n);
    pclose(pipe);
    return out;
}

TEST(LNAccessExports, PublishesTheDataClassesAndHidesTheRest) {
    std::string symbols = DynamicSymbols();
    ASSERT_FALSE(symbols.empty());
    for (const char* published :
         {"CxLNAddrUtil::ReadParamFile(char const*)", "CxLNAddrUtil::LoadFromFile(char const*)",
          "CxLNAddrUtil::ToCommRec(tagCxLNAddrRec*, tagCommAddrRec*)",
          "CxLNDateUtil::FromCommRec(tagCommDateRec*, tagCxLNDateRec*)",
          "CxLNTaskUtil::SaveToFile(char const*)", "CxLNParamParser::SetParam(",
          "CxLNTaskUtil::SyncRecord(", "CxLNDateUtil::GetFieldInfo(", "CxLNDateUtil::Run()",
          "vtable for CxLNAddrUtil", "vtable for CxLNNoteUtil", "GetDebugUtil()"})
        EXPECT_NE(symbols.find(published), std::string::npos) << published;
    for (const char* internal : {"CxList::Add(", "CxStrCopy(", "CommAddrMgr::AddRec(", "CxFile::Open("})
        EXPECT_EQ(symbols.find(internal), std::string::npos) << internal;
}

TEST(LNAccessExports, TellsTheProjectsVersion) {
    void* library = dlopen(LNACCESS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using VersionFn = const char* (*)();
    auto version = reinterpret_cast<VersionFn>(dlsym(library, "ZembrikLNAccessVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_STREQ(version(), ZEMBRIK_VERSION);
    dlclose(library);
}
