// Dispatch of one definition to one record's field, and the change mark.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "EngineTestSupport.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

TEST(ApplyUpdate, ContactFieldsByKey) {
    CxVXLNAddrUtil engine;
    auto rec = std::make_unique<tagCxLNAddrRec>();
    tagFUFieldUpdate display = TextDefinition(5, FU_OP_SET, std::string(200, 'd').c_str());
    EXPECT_TRUE(engine.ApplyUpdate(rec.get(), &display));
    EXPECT_EQ(std::string(rec->szDisplayName), std::string(200, 'd'))
        << "the display name holds 255";
    tagFUFieldUpdate note = TextDefinition(44, FU_OP_APPEND, "n");
    EXPECT_TRUE(engine.ApplyUpdate(rec.get(), &note));
    EXPECT_STREQ(rec->szNote, "n");
    tagFUFieldUpdate anniversary = NewDefinition(47);
    anniversary.nDateSet = 1;
    anniversary.dtValue = 40607.0;
    EXPECT_TRUE(engine.ApplyUpdate(rec.get(), &anniversary));
    EXPECT_EQ(rec->dtAnniversary, 40607.0);
    EXPECT_EQ(rec->dtBirthday, 0.0);
}

TEST(ApplyUpdate, CalendarDatesAndTexts) {
    CxVXLNDateUtil engine;
    auto rec = std::make_unique<tagCxLNDateRec>();
    tagFUFieldUpdate start = NewDefinition(9);
    start.nDateSet = 1;
    start.dtValue = 40607.5;
    tagFUFieldUpdate resources = TextDefinition(3, FU_OP_SET, "Room 1");
    EXPECT_TRUE(engine.ApplyUpdate(rec.get(), &start));
    EXPECT_TRUE(engine.ApplyUpdate(rec.get(), &resources));
    EXPECT_EQ(rec->dtStartDateTime, 40607.5);
    EXPECT_EQ(rec->dtEndDateTime, 0.0);
    EXPECT_STREQ(rec->szResources, "Room 1");
}

TEST(ApplyUpdate, WhatDoesNotApplyChangesNothing) {
    CxVXLNAddrUtil addr;
    CxVXLNTaskUtil task;
    auto contact = std::make_unique<tagCxLNAddrRec>();
    auto todo = std::make_unique<tagCxLNTaskRec>();
    tagFUFieldUpdate categories = TextDefinition(45, FU_OP_SET, "x"); // not updatable
    tagFUFieldUpdate unchosen = TextDefinition(-1, FU_OP_SET, "x");
    tagFUFieldUpdate subject = TextDefinition(0, FU_OP_SET, "x");
    EXPECT_FALSE(addr.ApplyUpdate(contact.get(), &categories));
    EXPECT_FALSE(addr.ApplyUpdate(contact.get(), &unchosen));
    EXPECT_FALSE(addr.ApplyUpdate(contact.get(), &subject)); // key 0 is a task's, not a contact's
    EXPECT_FALSE(task.ApplyUpdate(nullptr, &subject));
    EXPECT_FALSE(task.ApplyUpdate(todo.get(), nullptr));
    EXPECT_STREQ(contact->szCategories, "");
    EXPECT_STREQ(todo->szSubject, "");
}

TEST(ApplyUpdate, AccessorsExistOnlyWhereTheMapHasThem) {
    auto contact = std::make_unique<tagCxLNAddrRec>();
    auto todo = std::make_unique<tagCxLNTaskRec>();
    EXPECT_EQ(CxVXLNAddrUtil::GetTextField(contact.get(), 45), nullptr);
    EXPECT_EQ(CxVXLNAddrUtil::GetTextField(contact.get(), 46), nullptr);
    EXPECT_EQ(CxVXLNAddrUtil::GetTextField(nullptr, 1), nullptr);
    EXPECT_EQ(CxVXLNAddrUtil::GetTextField(contact.get(), 44), contact->szNote);
    EXPECT_EQ(CxVXLNAddrUtil::GetBoolField(contact.get(), 5), nullptr);
    EXPECT_EQ(CxVXLNTaskUtil::GetIntField(todo.get(), 4), nullptr);
    EXPECT_EQ(CxVXLNTaskUtil::GetEnumField(todo.get(), 4), &todo->nImportance);
    EXPECT_EQ(CxVXLNTaskUtil::GetBoolField(todo.get(), 5), &todo->bPrivate);
    EXPECT_EQ(CxVXLNTaskUtil::GetBoolField(nullptr, 5), nullptr);
}

TEST(MarkChanged, AsksForAModifyingWriteBack) {
    CxVXLNTaskUtil engine;
    auto rec = std::make_unique<tagCxLNTaskRec>();
    EXPECT_TRUE(engine.MarkChanged(rec.get()));
    EXPECT_EQ(rec->nAction, LN_ACTION_WRITE);
    EXPECT_EQ(rec->nOrigin, LN_ORIGIN_MODIFIED);
    EXPECT_FALSE(engine.MarkChanged(nullptr));
}

} // namespace
