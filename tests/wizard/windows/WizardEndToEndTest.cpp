// The whole wizard, step by step, for every kind: a real load through the
// helper hosts, two definitions made in the dialog, some records unticked,
// the update run and the write-back; then the database itself is read.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>

#include "NotesInstall.h"
#include "WindowsTestSupport.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxList.h"
#include "common/pim/CommRecords.h"
#include "wizard/windows/app/TfmMain.h"
#include "wizard/windows/dialogs/FieldDetail.h"
#include "wizard/windows/dialogs/TfmOneField.h"
#include "wizard/windows/pages/RecordListModel.h"
#include "wizard/windows/pages/RecordPage.h"
#include "wizard/windows/pages/TfmUpdateField.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

// A dump as note ID -> item name -> value text.
typedef std::map<std::string, std::map<std::string, std::string>> Notes;

Notes ParseDump(const std::string& dump) {
    Notes notes;
    std::istringstream in(dump);
    std::string line;
    std::string note;
    while (std::getline(in, line)) {
        if (line.size() > 7 && line.compare(0, 6, "[note ") == 0) {
            note = line.substr(6, line.size() - 7);
        } else if (!note.empty()) {
            const size_t colon = line.find(": ");
            if (colon != std::string::npos)
                notes[note][line.substr(0, colon)] += line.substr(colon + 2);
        }
    }
    return notes;
}

typedef std::function<void(CxFieldDetail&)> DetailFn;

struct Definition {
    const char* field;
    DetailFn fill;
};

struct Kind {
    const char* name;
    const char* button;
    const char* database;
    const char* seed;
    int page;
    Definition first;
    Definition second;
    // Item -> value after the update, from the value before.
    std::map<std::string, std::function<std::string(const std::string&)>> changes;
};

DetailFn Append(const char* text) {
    return [text](CxFieldDetail& d) {
        d.rbtnAppend->click();
        d.edtAppendValue->setText(text);
    };
}

DetailFn Set(const char* text) {
    return [text](CxFieldDetail& d) {
        d.rbtnSet->click();
        d.edtSetValue->setText(text);
    };
}

std::function<std::string(const std::string&)> Suffix(const char* text) {
    return [text](const std::string& old) { return old + text; };
}

std::function<std::string(const std::string&)> Is(const char* text) {
    return [text](const std::string&) { return text; };
}

const Kind kKinds[] = {
    {"contacts", "rbtnAddr", "names.nsf", "contacts 8", WIZARD_PAGE_ADDR_DATA,
     {"Job Title", Append(" (checked)")}, {"Department", Set("Audit")},
     {{"JobTitle", Suffix(" (checked)")}, {"Department", Is("Audit")}}},
    {"calendar", "rbtnDate", "mail/user.nsf", "appointments 6", WIZARD_PAGE_DATE_DATA,
     {"Subject", Append(" [moved]")}, {"Location", Set("Room 4")},
     {{"Subject", Suffix(" [moved]")}, {"Location", Is("Room 4")}}},
    {"tasks", "rbtnTask", "mail/user.nsf", "tasks 6", WIZARD_PAGE_TASK_DATA,
     {"Subject", Append(" (done)")},
     {"Private", [](CxFieldDetail& d) { d.cbBoolValue->setCurrentIndex(0); }},
     {{"Subject", Suffix(" (done)")}, {"$PublicAccess", Is("0")}}},
};

class WizardEndToEnd : public ::testing::TestWithParam<Kind> {
protected:
    template <typename Control> Control* Get(const char* name) const {
        return Find<Control>(main.get(), name);
    }
    void Next() { Get<QPushButton>("btnNext")->click(); }
    std::string Db() const { return notes.DataFile(GetParam().database); }

    void Load() {
        // The user's ID file, as the access page offers it; no password.
        notes.Notesdb("id '" + notes.DataFile("user.id") + "' 'Test User' ''");
        main = std::make_unique<TfmMain>();
        main->show();
        LoadFromAccessPage(main.get(), GetParam().button, Db(),
                           std::string(GetParam().database) != "names.nsf");
        ASSERT_EQ(main->Controller().GetStep(), 2) << main->Controller().GetLoadError();
    }
    void Define(const Definition& definition) {
        auto* page = static_cast<TfmUpdateField*>(main->Page(WIZARD_PAGE_UPDATE_FIELD));
        page->SetDialogRunner([&definition](TfmOneField& dialog) {
            dialog.cbName->setCurrentIndex(dialog.cbName->findText(definition.field));
            definition.fill(*dialog.pDetail);
            dialog.btnOK->click();
            return dialog.result();
        });
        Get<QPushButton>("btnAdd")->click();
        page->SetDialogRunner(nullptr);
    }
    // Unticks rows 1 and 3; the note IDs of the rows left ticked.
    std::set<std::string> UntickSome() {
        CxRecordListModel* model = static_cast<CxRecordPage*>(main->Page(static_cast<WizardPage>(GetParam().page)))->Model();
        std::set<std::string> ticked;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (row == 1 || row == 3)
                model->setData(model->index(row, 0), Qt::Unchecked, Qt::CheckStateRole);
            else
                ticked.insert(NoteId(model->Record(row)));
        }
        return ticked;
    }
    // Every kind's common record links its Notes record, which starts with the note ID.
    // Read through the kind's own type only: a smaller record read as a
    // contact would be read past its end.
    static std::string NoteId(void* common) {
        // Each kind's record is read as its own type only: the others are larger.
        const int page = GetParam().page;
        const void* notesRecord =
            page == WIZARD_PAGE_DATE_DATA   ? static_cast<tagCommDateRec*>(common)->pUserData
            : page == WIZARD_PAGE_TASK_DATA ? static_cast<tagCommTaskRec*>(common)->pUserData
                                            : static_cast<tagCommAddrRec*>(common)->pUserData;
        return static_cast<const tagCxLNAddrRec*>(notesRecord)->szID;
    }
    void RunToFinish() {
        Next();
        ASSERT_EQ(main->Controller().GetStep(), 4);
        for (int i = 0; i < 500 && main->Controller().GetStep() != 5; ++i)
            RunEventsFor(20);
        ASSERT_EQ(main->Controller().GetStep(), 5);
    }
    QString Text(const char* label) const { return Get<QLabel>(label)->text(); }

    NotesInstall notes;
    CxPromptRecorder prompts;
    std::unique_ptr<TfmMain> main;
};

TEST_P(WizardEndToEnd, ChangesExactlyTheTickedRecordsAndNothingElse) {
    const Kind& kind = GetParam();
    notes.Notesdb("create '" + Db() + "'");
    notes.Notesdb("seed '" + Db() + "' " + kind.seed);
    const Notes before = ParseDump(notes.Dump(kind.database));
    Load();
    main->Controller().SetPause([](int) {});
    Define(kind.first);
    Define(kind.second);
    Next();
    ASSERT_EQ(main->Controller().GetStep(), 3);
    const std::set<std::string> ticked = UntickSome();
    RunToFinish();

    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_EQ(Text("lblFields"), "2 fields in total");
    EXPECT_EQ(Text("lblRec"), QString("%1 records in total").arg(ticked.size()));
    EXPECT_EQ(Text("lblResult"), "Records updating successfully.");

    const Notes after = ParseDump(notes.Dump(kind.database));
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [id, items] : before) {
        const auto& now = after.at(id);
        const bool changed = ticked.count(id) != 0;
        for (const auto& [item, value] : items) {
            auto change = kind.changes.find(item);
            const std::string expected =
                changed && change != kind.changes.end() ? change->second(value) : value;
            EXPECT_EQ(now.count(item) ? now.at(item) : "<gone>", expected)
                << kind.name << " note " << id << " item " << item;
        }
        for (const auto& [item, value] : now) {
            if (!items.count(item)) {
                EXPECT_TRUE(changed && kind.changes.count(item) && value == kind.changes.at(item)(""))
                    << kind.name << " note " << id << " new item " << item;
            }
        }
    }
}

TEST_P(WizardEndToEnd, UpdateMoreStartsAgainFromTheModePageAndLoadsAfresh) {
    const Kind& kind = GetParam();
    notes.Notesdb("create '" + Db() + "'");
    notes.Notesdb("seed '" + Db() + "' " + kind.seed);
    Load();
    main->Controller().SetPause([](int) {});
    Define(kind.first);
    Next();
    RunToFinish();
    Get<QPushButton>("btnAnother")->click();
    EXPECT_EQ(main->Controller().GetStep(), 0);
    EXPECT_TRUE(Get<QRadioButton>(kind.button)->isChecked());
    Next();
    Next();
    ASSERT_EQ(main->Controller().GetStep(), 2);
    EXPECT_EQ(main->Controller().GetUpdateDefinitions()->GetCount(), 0u);
    EXPECT_EQ(main->Controller().GetUpdateResult(), nullptr);
    Next(); // no definition: refused
    EXPECT_EQ(main->Controller().GetStep(), 2);
    Define(kind.second);
    Next();
    // Every record of the new load is ticked again, with its first update in it.
    CxRecordListModel* model = static_cast<CxRecordPage*>(main->Page(static_cast<WizardPage>(kind.page)))->Model();
    for (int row = 0; row < model->rowCount(); ++row)
        EXPECT_TRUE(model->IsTicked(row));
    RunToFinish();
    EXPECT_EQ(Text("lblFields"), "1 fields in total");
    EXPECT_EQ(Text("lblResult"), "Records updating successfully.");
}

TEST_P(WizardEndToEnd, AWriteBackNotesRefusesIsToldOnTheFinishPage) {
    const Kind& kind = GetParam();
    notes.Notesdb("create '" + Db() + "'");
    notes.Notesdb("seed '" + Db() + "' " + kind.seed);
    notes.Notesdb("acl '" + Db() + "' -Default- reader");
    const std::string before = notes.Dump(kind.database);
    Load();
    main->Controller().SetPause([](int) {});
    Define(kind.first);
    Next();
    RunToFinish();
    EXPECT_NE(Text("lblResult"), "Records updating successfully.");
    EXPECT_EQ(Text("lblResult").toStdString(), main->Controller().GetUpdateResult()->sError);
    EXPECT_EQ(notes.Dump(kind.database), before);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WizardEndToEnd, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<Kind>& info) { return info.param.name; });

} // namespace
