// Set from Fields: what a template reads from each field type, its braces,
// its refusals, the cut at the field's size, and that the order of the
// definitions never changes what it reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "CivilTime.h"
#include "EngineTestSupport.h"
#include "common/misc/CxList.h"
#include "wizard/update/VxTemplate.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

tagCxLNAddrRec Contact() {
    tagCxLNAddrRec rec;
    std::memset(&rec, 0, sizeof rec);
    CxStrCopy(rec.szFirstName, "Ada");
    CxStrCopy(rec.szLastName, "Lovelace");
    CxStrCopy(rec.szCompany, "Analytical Engines");
    CxStrCopy(rec.szJobTitle, "Programmer");
    rec.dtBirthday = testsupport::VariantOf(1815, 12, 10);
    return rec;
}

std::string Built(const void* rec, const tagFUKindFields& kind, const std::string& text) {
    std::vector<tagFUTemplatePart> parts;
    std::string why;
    EXPECT_TRUE(FUParseTemplate(text, kind, &parts, &why)) << text << ": " << why;
    return FUBuildTemplate(rec, kind, parts);
}

TEST(Template, EachFieldTypeReadsAsItsText) {
    tagCxLNAddrRec contact = Contact();
    EXPECT_EQ(Built(&contact, kVXLNAddrFields, "{First Name} {Last Name}"), "Ada Lovelace");
    EXPECT_EQ(Built(&contact, kVXLNAddrFields, "{company name} - { Job Title }"),
              "Analytical Engines - Programmer");
    EXPECT_EQ(Built(&contact, kVXLNAddrFields, "born {Birth Date}"), "born 12/10/1815");
    // An empty field and a field without a date read as nothing.
    EXPECT_EQ(Built(&contact, kVXLNAddrFields, "[{Suffix}|{Anniversary}]"), "[|]");

    tagCxLNDateRec entry;
    std::memset(&entry, 0, sizeof entry);
    entry.dtStartDateTime = testsupport::VariantOf(2027, 1, 5, 9, 30, 15);
    EXPECT_EQ(Built(&entry, kVXLNDateFields, "{Start Date & Time}"), "01/05/2027 09:30:15");

    tagCxLNTaskRec task;
    std::memset(&task, 0, sizeof task);
    task.bPrivate = 1;
    task.nImportance = 2; // the field offers no choices: its number
    EXPECT_EQ(Built(&task, kVXLNTaskFields, "{Private}/{Importance}"), "Yes/2");
    task.bPrivate = 0;
    EXPECT_EQ(Built(&task, kVXLNTaskFields, "{Private}"), "No");
}

TEST(Template, DoubledBracesAreBraces) {
    tagCxLNAddrRec contact = Contact();
    EXPECT_EQ(Built(&contact, kVXLNAddrFields, "{{{First Name}}} {{x}}"), "{Ada} {x}");
    EXPECT_EQ(Built(&contact, kVXLNAddrFields, "no fields at all"), "no fields at all");
}

TEST(Template, RefusalsSayWhy) {
    const struct {
        const char* text;
        const char* why;
    } cases[] = {
        {"{Frist Name}",
         "Unknown field \"Frist Name\" in the template; did you mean \"First Name\"?"},
        {"{Nothing Like It At All}", "Unknown field \"Nothing Like It At All\" in the template."},
        {"{First Name", "The template has a \"{\" without its \"}\"; write \"{{\" for a brace."},
        {"{First {Last Name}", "The template has a \"{\" without its \"}\"; write \"{{\" for a brace."},
        {"a } b", "A \"}\" in the template is written \"}}\"."},
    };
    for (const auto& k : cases) {
        std::vector<tagFUTemplatePart> parts;
        std::string why;
        EXPECT_FALSE(FUParseTemplate(k.text, kVXLNAddrFields, &parts, &why)) << k.text;
        EXPECT_EQ(why, k.why) << k.text;
    }
}

TEST(Template, ReadsTheRecordAsLoadedWhateverTheOrder) {
    // Display Name is built from First Name, which an earlier and a later
    // definition change: both orders give the loaded name.
    for (bool templateFirst : {true, false}) {
        tagCxLNAddrRec contact = Contact();
        Definitions defs;
        const tagFUFieldUpdate set = TextDefinition(1, FU_OP_SET, "Augusta");
        const tagFUFieldUpdate built =
            TextDefinition(5, FU_OP_TEMPLATE, "{First Name} {Last Name} ({Display Name})");
        defs.Add(templateFirst ? built : set);
        defs.Add(templateFirst ? set : built);
        CxVXLNAddrUtil engine;
        engine.ApplyUpdates(&contact, defs.list);
        EXPECT_STREQ(contact.szFirstName, "Augusta");
        EXPECT_STREQ(contact.szDisplayName, "Ada Lovelace ()");
        EXPECT_TRUE(engine.GetCutCounts().empty());
    }
}

TEST(Template, TheBuiltTextIsCutToTheFieldAndCounted) {
    tagCxLNAddrRec contact = Contact();
    CxStrCopy(contact.szBusinessCity, "x");
    Definitions defs;
    // Business City holds 31 characters; the note is long enough for both.
    CxStrCopy(contact.szNote, "0123456789012345678901234567890123456789");
    defs.Add(TextDefinition(18, FU_OP_TEMPLATE, "{Note}"));
    defs.Add(TextDefinition(1, FU_OP_TEMPLATE, "{First Name}"));
    CxVXLNAddrUtil engine;
    engine.ApplyUpdates(&contact, defs.list);
    EXPECT_STREQ(contact.szBusinessCity, "0123456789012345678901234567890");
    engine.ApplyUpdates(&contact, defs.list);
    // The second run finds the city as cut and the name as it is: nothing new.
    ASSERT_EQ(engine.GetCutCounts().size(), 1u);
    EXPECT_EQ(engine.GetCutCounts().at(18), 2u);
}

TEST(Template, OtherTextOperationsAreCountedWhenCut) {
    tagCxLNAddrRec contact = Contact();
    CxStrCopy(contact.szBusinessCity, "012345678901234567890123456789");
    Definitions defs;
    defs.Add(TextDefinition(18, FU_OP_APPEND, "abcde"));
    CxVXLNAddrUtil engine;
    engine.ApplyUpdates(&contact, defs.list);
    EXPECT_STREQ(contact.szBusinessCity, "012345678901234567890123456789a");
    EXPECT_EQ(engine.GetCutCounts().at(18), 1u);
}

TEST(Template, NearestNames) {
    EXPECT_EQ(FUNearestNames(kVXLNAddrFields, "Company"), "\"Company Name\"");
    EXPECT_EQ(FUNearestNames(kVXLNAddrFields, "business emial"), "\"Business Email\"");
    EXPECT_EQ(FUNearestNames(kVXLNAddrFields, "phone"),
              "\"Assistant Phone\", \"Primary Phone\" or \"Business Phone\"");
    EXPECT_EQ(FUNearestNames(kVXLNAddrFields, "zzzzzzzz"), "");
}

} // namespace
