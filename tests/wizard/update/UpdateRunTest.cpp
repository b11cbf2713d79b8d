// The run over the selected records: links, marks, counts and progress.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "EngineTestSupport.h"
#include "common/misc/CxList.h"
#include "common/pim/CommRecords.h"
#include "wizard/update/UpdateRun.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

// Notes tasks with their common records, linked as a load links them.
struct TaskSet {
    explicit TaskSet(int n) : notes(n), common(n) {
        for (int i = 0; i < n; ++i) {
            common[i].pUserData = &notes[i];
            notes[i].pCommRec = &common[i];
        }
    }
    std::vector<tagCxLNTaskRec> notes;
    std::vector<tagCommTaskRec> common;
};

tagFUFieldUpdate PrivateTrue() {
    tagFUFieldUpdate def = NewDefinition(5);
    def.bValue = 1;
    return def;
}

TEST(UpdateRun, UpdatesAndMarksTheLinkedSelectedRecords) {
    TaskSet tasks(4);
    tasks.common[2].pUserData = nullptr; // no Notes record: skipped
    CxList selected;
    selected.Add(&tasks.common[0]);
    selected.Add(&tasks.common[2]);
    selected.Add(&tasks.common[3]); // tasks 1 is not selected
    Definitions defs;
    defs.Add(PrivateTrue());
    defs.Add(TextDefinition(0, FU_OP_SET, "A"));
    defs.Add(TextDefinition(0, FU_OP_APPEND, "B"));
    defs.Add(TextDefinition(45, FU_OP_SET, "not a task field"));
    std::vector<std::pair<uint32_t, uint32_t>> progress;
    CxVXLNTaskUtil engine;

    uint32_t updated = RunFieldUpdates(&selected, &defs.list, &engine, [&](uint32_t i, uint32_t n) {
        progress.emplace_back(i, n);
    });

    EXPECT_EQ(updated, 2u);
    for (int i : {0, 3}) {
        EXPECT_EQ(tasks.notes[i].bPrivate, 1) << i;
        EXPECT_STREQ(tasks.notes[i].szSubject, "AB") << i;
        EXPECT_EQ(tasks.notes[i].nAction, LN_ACTION_WRITE) << i;
        EXPECT_EQ(tasks.notes[i].nOrigin, LN_ORIGIN_MODIFIED) << i;
    }
    for (int i : {1, 2}) {
        EXPECT_EQ(tasks.notes[i].bPrivate, 0) << i;
        EXPECT_EQ(tasks.notes[i].nAction, LN_ACTION_NONE) << i;
    }
    const std::vector<std::pair<uint32_t, uint32_t>> expected = {{0, 3}, {1, 3}, {2, 3}};
    EXPECT_EQ(progress, expected);
}

TEST(UpdateRun, ARecordIsMarkedEvenWhenNothingChanged) {
    TaskSet tasks(1);
    CxList selected;
    selected.Add(&tasks.common[0]);
    Definitions defs;
    tagFUFieldUpdate noDate = NewDefinition(7); // nDateSet 0
    noDate.dtValue = 40607.0;
    defs.Add(noDate);
    CxVXLNTaskUtil engine;
    EXPECT_EQ(RunFieldUpdates(&selected, &defs.list, &engine), 1u);
    EXPECT_EQ(tasks.notes[0].dtDueDate, 0.0);
    EXPECT_EQ(tasks.notes[0].nAction, LN_ACTION_WRITE);
}

TEST(UpdateRun, WithoutDefinitionsNothingIsMarked) {
    TaskSet tasks(2);
    CxList selected;
    selected.Add(&tasks.common[0]);
    selected.Add(&tasks.common[1]);
    Definitions none;
    CxVXLNTaskUtil engine;
    EXPECT_EQ(RunFieldUpdates(&selected, &none.list, &engine), 2u);
    EXPECT_EQ(tasks.notes[0].nAction, LN_ACTION_NONE);
    EXPECT_EQ(tasks.notes[1].nAction, LN_ACTION_NONE);
}

TEST(UpdateRun, ContactsAndCalendarEntriesFollowTheirOwnLinks) {
    auto contactNotes = std::make_unique<tagCxLNAddrRec>();
    auto contact = std::make_unique<tagCommAddrRec>();
    contact->pUserData = contactNotes.get();
    auto entryNotes = std::make_unique<tagCxLNDateRec>();
    auto entry = std::make_unique<tagCommDateRec>();
    entry->pUserData = entryNotes.get();
    CxList contacts, entries;
    contacts.Add(contact.get());
    entries.Add(entry.get());
    Definitions addrDefs, dateDefs;
    addrDefs.Add(TextDefinition(1, FU_OP_SET, "Ann"));
    dateDefs.Add(TextDefinition(1, FU_OP_SET, "Room 2"));
    CxVXLNAddrUtil addr;
    CxVXLNDateUtil date;
    EXPECT_EQ(RunFieldUpdates(&contacts, &addrDefs.list, &addr), 1u);
    EXPECT_EQ(RunFieldUpdates(&entries, &dateDefs.list, &date), 1u);
    EXPECT_STREQ(contactNotes->szFirstName, "Ann");
    EXPECT_STREQ(entryNotes->szLocation, "Room 2");
    EXPECT_EQ(contactNotes->nAction, LN_ACTION_WRITE);
    EXPECT_EQ(entryNotes->nOrigin, LN_ORIGIN_MODIFIED);
}

TEST(UpdateRun, MissingListsOrEngineDoNothing) {
    CxList empty;
    CxVXLNTaskUtil engine;
    EXPECT_EQ(RunFieldUpdates(nullptr, &empty, &engine), 0u);
    EXPECT_EQ(RunFieldUpdates(&empty, nullptr, &engine), 0u);
    EXPECT_EQ(RunFieldUpdates(&empty, &empty, static_cast<CxVXLNTaskUtil*>(nullptr)), 0u);
}

} // namespace
