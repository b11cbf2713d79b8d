// Selection formulas and the search over a database.
#include "NotesInstall.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using notestest::NotesInstall;
using notestest::SearchIds;
using notestest::StoreNote;

namespace {

STATUS Compile(const std::string& text, FORMULAHANDLE* handle, WORD* errorOffset = nullptr) {
    WORD length = 0, line = 0, column = 0, offset = 0, errorLength = 0;
    STATUS error = 0;
    STATUS status = NSFFormulaCompile(nullptr, 0, text.data(), static_cast<WORD>(text.size()),
                                      handle, &length, &error, &line, &column, &offset,
                                      &errorLength);
    if (errorOffset)
        *errorOffset = offset;
    if (status != NOERROR) {
        EXPECT_EQ(error, ERR_FORMULA_COMPILATION);
    }
    return status;
}

class Formulas : public ::testing::TestWithParam<std::pair<const char*, bool>> {
protected:
    void SetUp() override { ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR); }
    NotesInstall install;
};

class Search : public ::testing::Test {
protected:
    void SetUp() override {
        install.CreateDatabase("search.nsf");
        ASSERT_EQ(NotesInitExtended(0, nullptr), NOERROR);
        ASSERT_EQ(NSFDbOpen("search.nsf", &db), NOERROR);
    }

    NOTEID WithForm(const char* form) {
        return StoreNote(db, [form](NOTEHANDLE note) {
            NSFItemSetText(note, "Form", form, MAXWORD);
        });
    }

    std::vector<NOTEID> Find(const std::string& formula) {
        std::vector<NOTEID> ids;
        EXPECT_EQ(SearchIds(db, formula, ids), NOERROR) << formula;
        return ids;
    }

    NotesInstall install;
    DBHANDLE db = NULLHANDLE;
};

using Ids = std::vector<NOTEID>;

} // namespace

TEST_P(Formulas, CompileOrNot) {
    FORMULAHANDLE handle = NULLHANDLE;
    STATUS status = Compile(GetParam().first, &handle);
    if (GetParam().second) {
        EXPECT_EQ(status, NOERROR) << GetParam().first;
        EXPECT_NE(handle, NULLHANDLE);
        EXPECT_EQ(OSMemFree(handle), NOERROR);
    } else {
        EXPECT_EQ(status, ERR_FORMULA_COMPILATION) << GetParam().first;
        EXPECT_EQ(handle, NULLHANDLE);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Formulas,
    ::testing::Values(std::make_pair("SELECT @All", true), std::make_pair("select @all", true),
                      std::make_pair("  Select   @All ; ", true),
                      std::make_pair("Select Form=\"Person\"", true),
                      std::make_pair("SELECT form = \"Person\";", true),
                      std::make_pair("Select Form=\"Say \\\"hi\\\"\"", true),
                      std::make_pair("@All", true), std::make_pair("Form = {Simple}", true),
                      // A name run into SELECT is an item's name, as Notes reads it.
                      std::make_pair("SELECTForm=\"Person\"", true),
                      std::make_pair("Select Form=Person", true),
                      std::make_pair("Select Subject=\"Person\"", true),
                      std::make_pair("Select Form=\"Person\" | Form=\"Group\"", true),
                      std::make_pair("!(Form != \"a\" & Subject <= \"b\") | @False", true),
                      std::make_pair("", false), std::make_pair("SELECT", false),
                      std::make_pair("SELECT @Alle", false),
                      std::make_pair("Select Form=\"Person", false),
                      std::make_pair("Form", false), std::make_pair("Form =", false),
                      std::make_pair("(Form = \"a\"", false),
                      std::make_pair("Form = \"a\" &", false),
                      std::make_pair("SELECT SELECT @All", false),
                      std::make_pair("SELECT @All; x", false)));

TEST_F(Search, FindsTheDocumentsOfAFormInNoteIdOrder) {
    NOTEID a = WithForm("Person");
    WithForm("Group");
    NOTEID c = WithForm("person");
    NOTEID d = StoreNote(db, [](NOTEHANDLE note) { NSFItemSetText(note, "Subject", "x", 1); });
    EXPECT_EQ(Find("SELECT Form=\"Person\""), (Ids{a, c}));
    EXPECT_EQ(Find("SELECT Form=\"Memo\""), Ids{});
    EXPECT_EQ(Find("SELECT @All").size(), 4u);
    EXPECT_EQ(Find("SELECT @All").back(), d);
}

TEST_F(Search, DeletedDocumentsAreNotFound) {
    NOTEID a = WithForm("Person");
    NOTEID b = WithForm("Person");
    ASSERT_EQ(NSFNoteDelete(db, a, 0), NOERROR);
    EXPECT_EQ(Find("SELECT Form=\"Person\""), Ids{b});
}

TEST_F(Search, AFormListMatchesAnyEntryAndOnlyTheFirstFormItemCounts) {
    const char list[] = "\x02\x00\x04\x00\x06\x00MemoPerson";
    NOTEID a = StoreNote(db, [&](NOTEHANDLE note) {
        NSFItemAppend(note, ITEM_SUMMARY, "Form", 4, TYPE_TEXT_LIST, list, sizeof list - 1);
    });
    StoreNote(db, [](NOTEHANDLE note) {
        NSFItemSetText(note, "Form", "Memo", MAXWORD);
        NSFItemAppend(note, ITEM_SUMMARY, "Form", 4, TYPE_TEXT, "Person", 6);
    });
    EXPECT_EQ(Find("SELECT Form=\"Person\""), Ids{a});
}

namespace {

struct Stopper {
    int seen = 0;
    int stopAt = 0;
    SEARCH_MATCH last;
};

STATUS LNCALLBACK CountAndStop(void* param, SEARCH_MATCH* match, ITEM_TABLE* summary) {
    Stopper* s = static_cast<Stopper*>(param);
    EXPECT_EQ(summary, nullptr);
    std::memcpy(&s->last, match, sizeof s->last);
    return ++s->seen == s->stopAt ? ERR_NOACCESS : NOERROR;
}

} // namespace

TEST_F(Search, ACallbackStatusEndsTheSearchAndIsReturned) {
    WithForm("Person");
    NOTEID b = WithForm("Person");
    WithForm("Person");
    FORMULAHANDLE formula = NULLHANDLE;
    ASSERT_EQ(Compile("SELECT @All", &formula), NOERROR);
    Stopper stopper;
    stopper.stopAt = 2;
    TIMEDATE until = {{0, 0}};
    EXPECT_EQ(NSFSearch(db, formula, nullptr, 0, NOTE_CLASS_DOCUMENT, nullptr, CountAndStop,
                        &stopper, &until),
              ERR_NOACCESS);
    EXPECT_EQ(stopper.seen, 2);
    EXPECT_EQ(stopper.last.ID.NoteID, b);
    EXPECT_EQ(stopper.last.SERetFlags & SE_FMATCH, SE_FMATCH);
    EXPECT_EQ(stopper.last.NoteClass, NOTE_CLASS_DOCUMENT);
    EXPECT_NE(until.Innards[1], 0u);
    EXPECT_EQ(sizeof(SEARCH_MATCH), 56u);

    stopper = Stopper();
    EXPECT_EQ(NSFSearch(db, formula, nullptr, 0, 0x7ffe, nullptr, CountAndStop, &stopper,
                        nullptr),
              NOERROR);
    EXPECT_EQ(stopper.seen, 0) << "no document class, no documents";
    EXPECT_EQ(OSMemFree(formula), NOERROR);
}

TEST_F(Search, BadHandlesAndCallbacksGetAStatus) {
    FORMULAHANDLE formula = NULLHANDLE;
    ASSERT_EQ(Compile("SELECT @All", &formula), NOERROR);
    Stopper stopper;
    EXPECT_EQ(NSFSearch(db, db, nullptr, 0, 1, nullptr, CountAndStop, &stopper, nullptr),
              ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFSearch(formula, formula, nullptr, 0, 1, nullptr, CountAndStop, &stopper,
                        nullptr),
              ERR_INVALID_HANDLE);
    EXPECT_EQ(NSFSearch(db, formula, nullptr, 0, 1, nullptr, nullptr, nullptr, nullptr),
              ERR_BAD_ARGUMENT);
    EXPECT_EQ(OSMemFree(formula), NOERROR);
    EXPECT_EQ(OSMemFree(formula), ERR_INVALID_HANDLE);
    EXPECT_EQ(OSMemFree(db), ERR_INVALID_HANDLE);
}

TEST_F(Search, TheErrorOffsetPointsAtWhatWasNotUnderstood) {
    FORMULAHANDLE formula = NULLHANDLE;
    WORD offset = 0;
    EXPECT_EQ(Compile("SELECT @Contains(Subject; \"x\")", &formula, &offset),
              ERR_FORMULA_COMPILATION);
    EXPECT_EQ(offset, 7);
}

namespace {

// Three people: their form, last name and a list of tags.
class Selections : public Search {
protected:
    void SetUp() override {
        Search::SetUp();
        ann = Person("Person", "Ann", {"red", "blue"});
        bob = Person("Person", "Bob", {"green"});
        memo = Person("Memo", "", {});
    }

    NOTEID Person(const char* form, const char* name, const std::vector<std::string>& tags) {
        return StoreNote(db, [&](NOTEHANDLE note) {
            NSFItemSetText(note, "Form", form, MAXWORD);
            if (*name)
                NSFItemSetText(note, "Name", name, MAXWORD);
            for (size_t i = 0; i < tags.size(); ++i)
                if (i == 0)
                    NSFItemCreateTextList(note, "Tags", tags[i].c_str(), MAXWORD);
                else
                    NSFItemAppendTextList(note, "Tags", tags[i].c_str(), MAXWORD, TRUE);
            const NUMBER age = 40;
            NSFItemSetNumber(note, "Age", &age);
        });
    }

    NOTEID ann = 0, bob = 0, memo = 0;
};

} // namespace

TEST_F(Selections, ComparisonsJoinedByAndOrAndNot) {
    const std::pair<const char*, Ids> cases[] = {
        {"@All", Ids{ann, bob, memo}},
        {"@False", Ids{}},
        {"Form = \"Person\" & Name = \"bob\"", Ids{bob}},
        {"Name = \"Ann\" | Form = \"Memo\"", Ids{ann, memo}},
        {"Form = \"Person\" & !(Tags = \"red\")", Ids{bob}},
        {"Tags = \"blue\"", Ids{ann}},            // any entry of a list
        {"Tags != \"green\"", Ids{ann, memo}},    // a missing item is the empty text
        {"Name = \"\"", Ids{memo}},
        {"Name < \"B\"", Ids{ann, memo}},
        {"Name >= \"b\"", Ids{bob}},
        {"\"Ann\" = Name", Ids{ann}},
        {"Age = \"40\"", Ids{}},                  // a number is no text
        {"Age != \"40\"", Ids{}},
        {"(Form = \"Memo\" | Name = \"Bob\") & @True", Ids{bob, memo}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.first), c.second) << c.first;
}

namespace {

struct Summaries {
    std::vector<std::string> names;
    WORD length = 0, tableLength = 0;
};

STATUS LNCALLBACK ReadSummary(void* param, SEARCH_MATCH* match, ITEM_TABLE* summary) {
    Summaries* s = static_cast<Summaries*>(param);
    SEARCH_MATCH m;
    std::memcpy(&m, match, sizeof m);
    ITEM_TABLE table;
    std::memcpy(&table, summary, sizeof table);
    s->length = m.SummaryLength;
    s->tableLength = table.Length;
    const char* bytes = reinterpret_cast<const char*>(summary);
    size_t at = sizeof table + table.Items * sizeof(ITEM);
    for (USHORT i = 0; i < table.Items; ++i) {
        ITEM item;
        std::memcpy(&item, bytes + sizeof table + i * sizeof item, sizeof item);
        s->names.emplace_back(bytes + at, item.NameLength);
        at += item.NameLength + item.ValueLength;
    }
    return NOERROR;
}

} // namespace

TEST_F(Search, ASummaryHoldsTheSummaryItemsAsFarAsTheyFit) {
    const std::string big(20000, 'x');
    StoreNote(db, [&](NOTEHANDLE note) {
        NSFItemSetText(note, "Form", "Memo", MAXWORD);
        NSFItemAppend(note, 0, "Hidden", 6, TYPE_TEXT, "not a summary item", 18);
        NSFItemSetText(note, "Big", big.data(), static_cast<WORD>(big.size()));
        NSFItemSetText(note, "Second", big.data(), static_cast<WORD>(big.size()));
        NSFItemSetText(note, "Last", "y", MAXWORD);
    });
    Summaries s;
    ASSERT_EQ(NSFSearch(db, NULLHANDLE, nullptr, SEARCH_SUMMARY, NOTE_CLASS_DATA, nullptr,
                        ReadSummary, &s, nullptr),
              NOERROR);
    EXPECT_EQ(s.names, (std::vector<std::string>{"Form", "Big"}));
    EXPECT_EQ(s.length, s.tableLength);
    EXPECT_EQ(s.length, sizeof(ITEM_TABLE) + 2 * sizeof(ITEM) + 4 + 6 + 3 + 20002);
}
