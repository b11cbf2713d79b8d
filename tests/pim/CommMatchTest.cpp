// Record matching and update of the managers (library build).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "common/pim/CommAddrMgr.h"
#include "common/pim/CommDateMgr.h"
#include "common/pim/CommNoteMgr.h"
#include "common/pim/CommTaskMgr.h"

namespace {

template <class Rec> Rec Zeroed() {
    Rec rec;
    std::memset(&rec, 0, sizeof rec);
    return rec;
}

tagCommAddrRec Contact(const char* first, const char* last, const char* email) {
    tagCommAddrRec rec = Zeroed<tagCommAddrRec>();
    std::strcpy(rec.szFirstName, first);
    std::strcpy(rec.szLastName, last);
    std::strcpy(rec.szEmail, email);
    return rec;
}

SYSTEMTIME Time(int year, int month, int day, int hour) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<uint16_t>(year);
    st.wMonth = static_cast<uint16_t>(month);
    st.wDay = static_cast<uint16_t>(day);
    st.wHour = static_cast<uint16_t>(hour);
    return st;
}

// One comparison rule: a key, how the second record differs from the first,
// and whether the two still compare equal.
template <class Rec> struct Rule {
    const char* name;
    int key;
    std::function<void(Rec*, Rec*)> fill;
    bool equal;
};

TEST(CommMatch, ContactComparisons) {
    const Rule<tagCommAddrRec> rules[] = {
        {"case ignored", 1,
         [](auto* a, auto* b) {
             std::strcpy(a->szFirstName, "Anna");
             std::strcpy(b->szFirstName, "ANNA");
         },
         true},
        {"text differs", 1,
         [](auto* a, auto* b) {
             std::strcpy(a->szFirstName, "Anna");
             std::strcpy(b->szFirstName, "Anne");
         },
         false},
        {"line breaks skipped", 43,
         [](auto* a, auto* b) {
             std::strcpy(a->szNote, "one\r\ntwo");
             std::strcpy(b->szNote, "onetwo\n");
         },
         true},
        {"lone line feed skipped", 9,
         [](auto* a, auto* b) {
             std::strcpy(a->szWorkStreet, "Main\nSt");
             std::strcpy(b->szWorkStreet, "MainSt");
         },
         true},
        {"longer text differs", 37,
         [](auto* a, auto* b) {
             std::strcpy(a->szEmail, "a@x");
             std::strcpy(b->szEmail, "a@x.org");
         },
         false},
        {"gender exact", 8,
         [](auto* a, auto* b) {
             a->nGender = 1;
             b->nGender = 2;
         },
         false},
        {"birthday exact", 67,
         [](auto* a, auto* b) {
             a->dtBirthday = 100.0;
             b->dtBirthday = 100.5;
         },
         false},
        {"key without comparison", 999,
         [](auto* a, auto* b) {
             a->nGender = 1;
             b->nGender = 2;
         },
         true},
    };
    CommAddrMgr mgr;
    for (const auto& rule : rules) {
        tagCommAddrRec a = Zeroed<tagCommAddrRec>();
        tagCommAddrRec b = Zeroed<tagCommAddrRec>();
        rule.fill(&a, &b);
        EXPECT_EQ(mgr.IsFieldEqual(rule.key, &a, &b), rule.equal) << rule.name;
    }
}

TEST(CommMatch, ContactCaseSwitch) {
    CommAddrMgr mgr;
    tagCommAddrRec a = Contact("Anna", "Berg", "anna@example.org");
    tagCommAddrRec b = Contact("ANNA", "Berg", "anna@example.org");
    EXPECT_TRUE(mgr.IsFieldEqual(1, &a, &b));
    mgr.SetMatchCase(true);
    EXPECT_FALSE(mgr.IsFieldEqual(1, &a, &b));
    std::strcpy(a.szNote, "x\r\ny");
    std::strcpy(b.szNote, "xy");
    EXPECT_TRUE(mgr.IsFieldEqual(43, &a, &b)) << "line breaks are skipped with case too";
}

TEST(CommMatch, CalendarComparisons) {
    const Rule<tagCommDateRec> rules[] = {
        {"start by day only", 2,
         [](auto* a, auto* b) {
             a->stStart = Time(2024, 5, 1, 9);
             b->stStart = Time(2024, 5, 1, 17);
         },
         true},
        {"start on another day", 2,
         [](auto* a, auto* b) {
             a->stStart = Time(2024, 5, 1, 9);
             b->stStart = Time(2024, 5, 2, 9);
         },
         false},
        {"end by day only", 3,
         [](auto* a, auto* b) {
             a->stEnd = Time(2024, 5, 1, 9);
             b->stEnd = Time(2024, 5, 1, 23);
         },
         true},
        {"end in another month", 3,
         [](auto* a, auto* b) {
             a->stEnd = Time(2024, 5, 1, 9);
             b->stEnd = Time(2024, 6, 1, 9);
         },
         false},
        {"start date and time", 4,
         [](auto* a, auto* b) {
             a->stStart = Time(2024, 5, 1, 9);
             b->stStart = Time(2024, 5, 1, 10);
         },
         false},
        {"note skips line breaks", 7,
         [](auto* a, auto* b) {
             std::strcpy(a->szNote, "A\r\nB");
             std::strcpy(b->szNote, "ab");
         },
         true},
        {"location keeps line breaks", 9,
         [](auto* a, auto* b) {
             std::strcpy(a->szLocation, "A\nB");
             std::strcpy(b->szLocation, "AB");
         },
         false},
        {"description ignores case", 1,
         [](auto* a, auto* b) {
             std::strcpy(a->szDescription, "Meet");
             std::strcpy(b->szDescription, "MEET");
         },
         true},
        {"all day exact", 13,
         [](auto* a, auto* b) {
             a->nAllDayEvent = 0;
             b->nAllDayEvent = 1;
         },
         false},
        {"repeat interval", 14,
         [](auto* a, auto* b) {
             a->nRepeatKind = b->nRepeatKind = 1;
             a->nRepeatInterval = 1;
             b->nRepeatInterval = 2;
         },
         false},
        {"repeat month", 14,
         [](auto* a, auto* b) {
             a->nRepeatMonth = 3;
             b->nRepeatMonth = 4;
         },
         false},
        {"repeat same", 14,
         [](auto* a, auto* b) {
             a->nRepeatKind = b->nRepeatKind = 2;
             a->nRepeatWeekday = b->nRepeatWeekday = 4;
         },
         true},
    };
    CommDateMgr mgr;
    for (const auto& rule : rules) {
        tagCommDateRec a = Zeroed<tagCommDateRec>();
        tagCommDateRec b = Zeroed<tagCommDateRec>();
        rule.fill(&a, &b);
        EXPECT_EQ(mgr.IsFieldEqual(rule.key, &a, &b), rule.equal) << rule.name;
    }
}

TEST(CommMatch, TaskAndNoteComparisons) {
    CommTaskMgr tasks;
    tagCommTaskRec t1 = Zeroed<tagCommTaskRec>();
    tagCommTaskRec t2 = Zeroed<tagCommTaskRec>();
    std::strcpy(t1.szSubject, "Call\nBob");
    std::strcpy(t2.szSubject, "callbob");
    EXPECT_FALSE(tasks.IsFieldEqual(0, &t1, &t2)) << "tasks keep line breaks";
    std::strcpy(t2.szSubject, "CALL\nbob");
    EXPECT_TRUE(tasks.IsFieldEqual(0, &t1, &t2));
    t1.nDueDate = 1000;
    t2.nDueDate = 1001;
    EXPECT_FALSE(tasks.IsFieldEqual(4, &t1, &t2));

    CommNoteMgr notes;
    tagCommNoteRec n1 = Zeroed<tagCommNoteRec>();
    tagCommNoteRec n2 = Zeroed<tagCommNoteRec>();
    // Only the first 20479 characters of the note count.
    std::memset(n1.szNote, 'a', sizeof n1.szNote);
    std::memset(n2.szNote, 'A', sizeof n2.szNote);
    n1.szNote[sizeof n1.szNote - 1] = 'x';
    EXPECT_TRUE(notes.IsFieldEqual(3, &n1, &n2));
    n2.szNote[100] = 'b';
    EXPECT_FALSE(notes.IsFieldEqual(3, &n1, &n2));
    std::memset(n1.szSubject, 's', sizeof n1.szSubject);
    std::memset(n2.szSubject, 'S', sizeof n2.szSubject);
    EXPECT_TRUE(notes.IsFieldEqual(2, &n1, &n2)) << "unterminated subjects stay inside the field";
}

TEST(CommMatch, FindRecOutcomes) {
    CommAddrMgr mgr;
    tagCommAddrRec stored = Contact("Anna", "Berg", "anna@example.org");
    std::strcpy(stored.szWorkPhone, "555-0100");
    tagCommAddrRec* first = mgr.AddRec(&stored);
    tagCommAddrRec other = Contact("Carl", "Dorn", "carl@example.org");
    mgr.AddRec(&other);

    int position = -1;
    EXPECT_EQ(mgr.FindRec(first, &position), COMM_FIND_PRESENT) << "the stored record itself";

    tagCommAddrRec same = stored;
    std::strcpy(same.szFirstName, "ANNA");
    EXPECT_EQ(mgr.FindRec(&same, &position), COMM_FIND_PRESENT);

    tagCommAddrRec changed = stored;
    std::strcpy(changed.szWorkPhone, "555-0199");
    position = -1;
    EXPECT_EQ(mgr.FindRec(&changed, &position), COMM_FIND_CHANGED);
    EXPECT_EQ(position, 0);

    tagCommAddrRec unknown = Contact("Eva", "Falk", "eva@example.org");
    EXPECT_EQ(mgr.FindRec(&unknown, &position), COMM_FIND_NEW);
}

TEST(CommMatch, LastDifferingHitGivesThePosition) {
    CommTaskMgr mgr;
    tagCommTaskRec a = Zeroed<tagCommTaskRec>();
    std::strcpy(a.szSubject, "Report");
    a.nPriority = 1;
    mgr.AddRec(&a);
    mgr.AddRec(&a);
    tagCommTaskRec given = a;
    given.nPriority = 2;
    int position = -1;
    EXPECT_EQ(mgr.FindRec(&given, &position), COMM_FIND_CHANGED);
    EXPECT_EQ(position, 1);
}

TEST(CommMatch, ContactUpdateAndCopyEmptySwitch) {
    CommAddrMgr mgr;
    tagCommAddrRec stored = Contact("Anna", "Berg", "anna@example.org");
    std::strcpy(stored.szNote, "keep me");
    stored.nGender = 1;
    stored.dtBirthday = 10.0;
    int link = 0;
    stored.pUserData = &link;
    mgr.AddRec(&stored);

    tagCommAddrRec given = Contact("Anna", "", "new@example.org");
    given.nGender = 2;
    given.dtBirthday = 0.0;
    ASSERT_TRUE(mgr.UpdateRec(0, &given));
    const tagCommAddrRec* rec = mgr.GetFirstRec();
    EXPECT_STREQ(rec->szLastName, "Berg") << "empty texts do not overwrite";
    EXPECT_STREQ(rec->szNote, "keep me");
    EXPECT_STREQ(rec->szEmail, "new@example.org");
    EXPECT_EQ(rec->nGender, 2);
    EXPECT_EQ(rec->dtBirthday, 0.0) << "dates are always taken";
    EXPECT_EQ(rec->pUserData, &link) << "the link stays";

    mgr.SetCopyEmpty(true);
    ASSERT_TRUE(mgr.UpdateRec(0, &given));
    EXPECT_STREQ(rec->szLastName, "");
    EXPECT_STREQ(rec->szNote, "");
    EXPECT_FALSE(mgr.UpdateRec(1, &given)) << "past the end";
    EXPECT_FALSE(mgr.UpdateRec(-1, &given));
}

TEST(CommMatch, KindUpdates) {
    CommDateMgr dates;
    tagCommDateRec d = Zeroed<tagCommDateRec>();
    std::strcpy(d.szDescription, "Meeting");
    std::strcpy(d.szLocation, "Room 1");
    d.nSource = 9;
    dates.AddRec(&d);
    tagCommDateRec dg = Zeroed<tagCommDateRec>();
    dg.stStart = Time(2024, 1, 2, 3);
    dg.nRepeatKind = 2;
    ASSERT_TRUE(dates.UpdateRec(0, &dg));
    EXPECT_STREQ(dates.GetFirstRec()->szDescription, "Meeting");
    EXPECT_EQ(dates.GetFirstRec()->stStart.wDay, 2);
    EXPECT_EQ(dates.GetFirstRec()->nRepeatKind, 2);
    EXPECT_EQ(dates.GetFirstRec()->nSource, 9);

    CommTaskMgr tasks;
    tagCommTaskRec t = Zeroed<tagCommTaskRec>();
    std::strcpy(t.szSubject, "Old");
    std::strcpy(t.szCategory, "Work");
    tasks.AddRec(&t);
    tagCommTaskRec tg = Zeroed<tagCommTaskRec>();
    std::strcpy(tg.szSubject, "New");
    tg.bCompleted = 1;
    ASSERT_TRUE(tasks.UpdateRec(0, &tg));
    EXPECT_STREQ(tasks.GetFirstRec()->szSubject, "New");
    EXPECT_STREQ(tasks.GetFirstRec()->szCategory, "Work");
    EXPECT_EQ(tasks.GetFirstRec()->bCompleted, 1);

    // The notes manager works in the same direction as the others.
    CommNoteMgr notes;
    tagCommNoteRec n = Zeroed<tagCommNoteRec>();
    std::strcpy(n.szSubject, "Stored");
    std::strcpy(n.szNote, "Body");
    notes.AddRec(&n);
    tagCommNoteRec ng = Zeroed<tagCommNoteRec>();
    std::strcpy(ng.szSubject, "Given");
    ng.nColor = 0x00ff00;
    ASSERT_TRUE(notes.UpdateRec(0, &ng));
    EXPECT_STREQ(notes.GetFirstRec()->szSubject, "Given");
    EXPECT_STREQ(notes.GetFirstRec()->szNote, "Body");
    EXPECT_EQ(notes.GetFirstRec()->nColor, 0x00ff00);
    EXPECT_STREQ(ng.szNote, "") << "the given record is left alone";
}

} // namespace
