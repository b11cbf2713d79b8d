// Writes each fuzz target's seed corpus with the system's own writers:
//   fuzz_make_seeds CORPUS-FOLDER
// makes CORPUS-FOLDER/<target>/ and fills it.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/engine/CxLNJournal.h"
#include "common/lotus/engine/CxLNRichText.h"
#include "common/lotus/engine/CxLNSafeRun.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNJournalList.h"
#include "common/lotus/exchange/CxLNLoadFile.h"
#include "common/lotus/exchange/CxLNNote.h"
#include "common/lotus/exchange/CxLNRecList.h"
#include "common/lotus/exchange/CxLNSavedFile.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "common/misc/CxString.h"
#include "tests/notesapi/NotesApi.h"
#include "notesapi/notesdb/DumpFile.h"
#include "notesapi/notesdb/SeedData.h"
#include "notesapi/src/IdFile.h"
#include "notesapi/src/Translate.h"
#include "platform/FolderLock.h"
#include "platform/OleDate.h"
#include "platform/ProfileFile.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/update/Vxcommon.h"

namespace fs = std::filesystem;

namespace {

std::string g_root;

std::string Folder(const char* target) {
    const std::string folder = g_root + "/" + target + "/";
    fs::create_directories(folder);
    return folder;
}

std::string Whole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Put(const char* target, const char* name, const std::string& bytes) {
    std::ofstream(Folder(target) + name, std::ios::binary) << bytes;
}

double Date(int year, int month, int day, int hour) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    double value = 0;
    SystemTimeToVariantTime(&st, &value);
    return value;
}

// Each kind's file twice: empty, and with two records that fill some fields.
template <class Util, class Rec, class Fill> void Exchange(const char* target, Fill fill) {
    const std::string folder = Folder(target);
    Util util;
    util.SetTempFilePath(folder.c_str());
    util.SetStatusFile("");
    util.SetErrorFile("");
    util.SaveToFile("seed-empty");
    for (int i = 0; i < 2; ++i) {
        Rec rec;
        Util::InitRec(&rec);
        fill(&rec, i);
        util.AddRec(&rec);
    }
    util.SaveToFile("seed-two");
}

void Exchanges() {
    Exchange<CxLNAddrUtil, tagCxLNAddrRec>("fuzz_exchange_addr", [](tagCxLNAddrRec* r, int i) {
        r->nAction = 2;
        r->nOrigin = 2;
        CxStrFormat(r->szID, sizeof r->szID, "%d", i + 1);
        CxStrCopy(r->szFirstName, i ? "Nina" : "Jörg");
        CxStrCopy(r->szLastName, "Novak");
        CxStrCopy(r->szNote, "Met at the fair.\r\nCall back.");
        r->dtBirthday = Date(1980, 2, 29, 0);
    });
    Exchange<CxLNDateUtil, tagCxLNDateRec>("fuzz_exchange_date", [](tagCxLNDateRec* r, int i) {
        CxStrFormat(r->szID, sizeof r->szID, "%d", i + 7);
        CxStrCopy(r->szSubject, "Review");
        CxStrCopy(r->szBody, "Agenda:\r\n1. Figures");
        CxStrCopy(r->szRepeats, i ? "1" : "");
        r->dtStartDateTime = Date(2024, 5, 1, 9);
        r->dtEndDateTime = Date(2024, 5, 1, 10);
        r->bPrivate = 1;
    });
    Exchange<CxLNTaskUtil, tagCxLNTaskRec>("fuzz_exchange_task", [](tagCxLNTaskRec* r, int i) {
        CxStrFormat(r->szID, sizeof r->szID, "%d", i + 3);
        CxStrCopy(r->szSubject, "Call the bank");
        r->nImportance = 2;
        r->dtDueDate = Date(2024, 6, 30, 0);
        r->bPrivate = static_cast<uint8_t>(i);
    });
    Exchange<CxLNNoteUtil, tagCxLNNoteRec>("fuzz_exchange_note",
                                           [](tagCxLNNoteRec* r, int) { r->nAction = 0; });
    // A notes record keeps nothing in the file: what it holds is its count,
    // up to the most a file of empty records may claim.
    CxLNNoteUtil notes;
    notes.SetTempFilePath(Folder("fuzz_exchange_note").c_str());
    notes.SetStatusFile("");
    notes.SetErrorFile("");
    for (int i = 0; i < kLNMaxEmptyRecords; ++i) {
        tagCxLNNoteRec rec;
        CxLNNoteUtil::InitRec(&rec);
        rec.nAction = i % 4 == 0 ? 2 : 0;
        notes.AddRec(&rec);
    }
    notes.SaveToFile("seed-most");
}

// The companions a load and a write-back's front end leave beside the
// exchange file, and the data folder's lock as a run leaves it.
void Companions() {
    tagLNLoadState state;
    state.sLoadID = "5f0c9a1e7d2b4c36a8e1f09b3d6c7a25";
    state.nChanged = 1;
    state.sequences = {{1, 3}, {2, 1}, {7, 12}};
    LNWriteLoadFile(Folder("fuzz_load_file") + "seed-three", "contacts", "names.nsf", state);
    state.sequences.clear();
    LNWriteLoadFile(Folder("fuzz_load_file") + "seed-none", "tasks", "Alpha/Org!!mail/nn.nsf", state);

    tagLNSaved saved;
    saved.sLoadID = "5f0c9a1e7d2b4c36a8e1f09b3d6c7a25";
    saved.nRecords = 3;
    saved.nBytes = 24612;
    LNWriteSavedFile(Folder("fuzz_saved_file") + "seed-saved", saved);

    const std::string lock = Folder("fuzz_lock_file") + "seed-writing-back";
    platform::CxFolderLock held;
    held.Take(lock, "vxln-batch", false, {}, nullptr, nullptr);
    held.SetDoing("write-back");
    const std::string record = Whole(lock);
    held.Release();
    Put("fuzz_lock_file", "seed-writing-back", record);
}

tagLNRawItem Text(const char* name, const char* value) {
    tagLNRawItem item;
    item.sName = name;
    item.nType = TYPE_TEXT;
    item.sValue = value;
    return item;
}

// One journal written as a write-back writes it: `stopped` empty for one
// that finished.
std::string Journal(const tagLNRunTarget& target, const std::string& undoOf,
                    const std::string& stopped) {
    const std::string work = Folder("journal-work");
    CxLNJournal journal;
    journal.Prepare(work, target, undoOf);
    const long changed = journal.Ahead("change", 5, {Text("LastName", "Novak")},
                                       {Text("LastName", "Miller"), Text("Suffix", "Jr.")});
    journal.Sync();
    journal.Done(changed, 5, true);
    const long created = journal.Ahead("create", 0, {}, {Text("Form", "Person")});
    journal.Done(created, 9, !stopped.empty());
    const long deleted = journal.Ahead("delete", 6, {Text("LastName", "Gone")}, {});
    journal.Done(deleted, 6, true);
    journal.Finish(stopped);
    const std::string run = journal.RunName();
    journal.Close();
    return Whole(LNJournalPath(work, run));
}

void Journals() {
    Put("fuzz_journal", "seed-done", Journal({"contacts", "names.nsf"}, "", ""));
    Put("fuzz_journal", "seed-stopped",
        Journal({"tasks", "mail/nn.nsf"}, "", "the program that started it has ended"));
    Put("fuzz_journal", "seed-undo",
        Journal({"contacts", "names.nsf"}, "20240501-100203-004--contacts-77", ""));
    fs::remove_all(g_root + "/journal-work");

    const std::string request = Folder("fuzz_undo_request") + "seed-request";
    LNWriteUndoRequest(request, "20240501-100203-004--contacts-77", true);
    const std::string answered = Folder("fuzz_undo_request") + "seed-answered";
    LNWriteUndoRequest(answered, "20240501-100203-004--contacts-77", false);
    tagLNUndoResult result;
    result.nRestored = 2;
    result.nLeft = 1;
    result.lines = {"Document 5: LastName was changed after the run; it was left as it is."};
    result.sUndoRun = "20240502-080000-000--contacts-78";
    LNAppendUndoResult(answered, result);
}

void IdFiles() {
    zns::WriteIdFile(Folder("fuzz_id_file") + "seed-user.id", "Nina Novak/Alpha", "secret");
    zns::WriteIdFile(Folder("fuzz_id_file") + "seed-open.id", "Front Desk", "");
}

// An updates file of every update each kind's fields take, as the help
// text describes them.
void UpdatesFiles() {
    for (const tagWizardKind& kind : kWizardKinds) {
        std::string text = "# every field of " + std::string(kind.name) + "\n";
        for (int i = 0; i < kind.count(); ++i) {
            const tagFUFieldInfo* f = kind.at(i);
            const std::string name = f->szName;
            switch (f->nType) {
            case FU_TYPE_STRING:
                text += "set " + name + "=Text\nappend " + name + "= Jr.\ninsert " + name +
                        "@0=The \nreplace " + name + ":a=b\n";
                break;
            case FU_TYPE_DATE:
                text += "date " + name + "=2024-05-01\n";
                break;
            case FU_TYPE_DATETIME:
                text += "datetime " + name + "=2024-05-01 09:30\n";
                break;
            case FU_TYPE_BOOLEAN:
                text += "true " + name + "\nfalse " + name + "\n";
                break;
            case FU_TYPE_ENUM:
                if (f->nEnumCount > 0)
                    text += "choice " + name + "=" + f->szEnumNames[0] + "\n";
                break;
            default:
                text += "set " + name + "=3\n";
            }
        }
        Put("fuzz_updates_file", ("seed-" + std::string(kind.name)).c_str(), text + "\r\n");
    }
}

void ParamFiles() {
    const std::string folder = Folder("fuzz_param_file");
    CxLNAddrUtil addr;
    addr.SetTempFilePath(folder.c_str());
    addr.SetLocalName("names.nsf");
    addr.SetPassword("secret");
    addr.SetDebugPath("/data/");
    addr.WriteParamFile();
    CxLNTaskUtil task;
    task.SetTempFilePath(folder.c_str());
    task.SetServerName("Alpha/Org");
    task.SetUserName("Nina Novak");
    task.SetIDFile("user.id");
    task.WriteParamFile();
    for (const char* name : {"LNAddrParam.dat", "LNTaskParam.dat"})
        fs::rename(folder + name, folder + "seed-" + name);
}

void IniFiles() {
    const std::string settings = Folder("fuzz_ini_file") + "seed-settings.ini";
    for (const char* key : {"AppFlag", "EnableDebug", "LogLevel"})
        platform::WriteProfileString(settings.c_str(), "LN-VX", key, "1");
    platform::WriteProfileString(settings.c_str(), "LN-VX", "NotesPath", "/opt/notes/notes");
    const std::string registry = Folder("fuzz_ini_file") + "seed-registry.ini";
    platform::WriteProfileString(registry.c_str(), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Lotus\\Notes",
                                 "Path", "/opt/notes/");
    const std::string notes = Folder("fuzz_notes_ini") + "seed-notes.ini";
    platform::WriteProfileString(notes.c_str(), "Notes", "Directory", "Data");
    platform::WriteProfileString(notes.c_str(), "Notes", "KeyFilename", "user.id");
    platform::WriteProfileString(notes.c_str(), "Servers", "Alpha/Org", "/srv/alpha");
    for (const std::string& path : {settings, registry, notes})
        fs::remove(path + ".lock");
}

void ReportFiles() {
    const std::string folder = Folder("fuzz_error_file");
    CxLNAddrUtil util;
    util.SetTempFilePath(folder.c_str());
    util.SetErrorFile("seed-errors");
    util.SetStatusFile("");
    util.InitErrorReport();
    util.ReportError("Failed to call NSFNoteUpdate, error code=582; message=You are not "
                     "authorized to perform that operation");
    util.ReportError("Can not read the records to write back from the file LNAddr.dat.");
    util.SetErrorFile("seed-notice");
    util.InitErrorReport();
    util.ReportNotice("The ID file user.id was not used (Wrong Password.); Lotus Notes was "
                      "used as its current user Front Desk.");
    util.SetErrorFile("");
    fs::remove(folder + "seed-errors.lock");
    fs::remove(folder + "seed-notice.lock");

    CxLNAddrUtil status;
    status.SetTempFilePath(Folder("fuzz_status_file").c_str());
    status.SetStatusFile("seed-status");
    status.SetErrorFile("");
    status.ReportStatus("Search Lotus Notes contact database ...");
    status.SetStatusFile("");
}

void Bodies() {
    // The engine writes rich text through the API's canonical writer.
    tagLNApiTable table{};
    table.ODSLength = &ODSLength;
    table.ODSWriteMemory = &ODSWriteMemory;
    CxLNApi::Install(table);
    Put("fuzz_rich_text", "seed-paragraph", LNTextToRichText("Agenda:\r\n1. Figures\r\n2. Plans"));
    Put("fuzz_rich_text", "seed-empty", LNTextToRichText(""));
    CxLNApi::Uninstall();

    const TIMEDATE times[] = {MakeTime(2024, 5, 1, 9, 30, 0), MakeTime(1999, 12, 31, 23, 59, 59),
                              MakeDateOnly(2020, 2, 29)};
    int n = 0;
    for (const TIMEDATE& time : times) {
        char text[MAXALPHATIMEDATE];
        WORD length = 0;
        if (ConvertTIMEDATEToText(nullptr, nullptr, &time, text, sizeof text, &length) == NOERROR)
            Put("fuzz_time_text", ("seed-" + std::to_string(++n)).c_str(),
                std::string(text, length));
    }

    std::ostringstream dump;
    for (unsigned long i = 0; i < 2; ++i) {
        DbNote contact, appointment;
        MakeContact(1, i, &contact);
        MakeAppointment(1, i, &appointment);
        contact.id = static_cast<NOTEID>(2 * i + 1);
        appointment.id = static_cast<NOTEID>(2 * i + 2);
        WriteDump(dump, contact);
        WriteDump(dump, appointment);
    }
    Put("fuzz_notesdb_import", "seed-dump", dump.str());
}

// Texts in LMBCS as the stand-in writes them, and in UTF-8 and UTF-16; the
// first byte of each seed gives the output room (and the input form).
void Texts() {
    const char* const utf8[] = {"M\xC3\xBCller \xE2\x82\xAC", "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE6\x9D\x8E",
                                "Line\r\nbreak\ttab\x01", "plain text"};
    int n = 0;
    for (const char* text : utf8) {
        ++n;
        const std::string lmbcs = zns::TranslateText(zns::TextForm::Utf8, zns::TextForm::Lmbcs, text);
        const std::string utf16 = zns::TranslateText(zns::TextForm::Utf8, zns::TextForm::Utf16, text);
        Put("fuzz_lmbcs_read", ("seed-" + std::to_string(n)).c_str(), "\x40" + lmbcs);
        Put("fuzz_lmbcs_write", ("seed-utf8-" + std::to_string(n)).c_str(),
            std::string("\x80") + text);
        Put("fuzz_lmbcs_write", ("seed-utf16-" + std::to_string(n)).c_str(), "\x81" + utf16);
    }
}

} // namespace

// A values file of each kind: every field named in the first row, one row of
// values its fields take, with the quoting and line breaks spreadsheets write.
void ValuesFiles() {
    for (const tagWizardKind& kind : kWizardKinds) {
        std::string head, row;
        for (int i = 0; i < kind.count(); ++i) {
            const tagFUFieldInfo* f = kind.at(i);
            const char* value = "\"A \"\"quoted\"\", text\r\nover two lines\"";
            if (f->nType == FU_TYPE_DATE || f->nType == FU_TYPE_DATETIME)
                value = "2024-05-01";
            else if (f->nType == FU_TYPE_BOOLEAN)
                value = "true";
            else if (f->nType == FU_TYPE_ENUM)
                value = f->nEnumCount > 0 ? f->szEnumNames[0] : "";
            else if (f->nType != FU_TYPE_STRING)
                value = "3";
            head += (i ? "," : "") + std::string(f->szName);
            row += (i ? "," : "") + std::string(value);
        }
        Put("fuzz_values_file", ("seed-" + std::string(kind.name)).c_str(),
            "\xEF\xBB\xBF" + head + "\r\n" + row + "\r\n,{clear}\r\n");
    }
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    g_root = argv[1];
    Exchanges();
    ParamFiles();
    IniFiles();
    ReportFiles();
    Bodies();
    Texts();
    Companions();
    Journals();
    IdFiles();
    UpdatesFiles();
    ValuesFiles();
    return 0;
}
