#include "BatchOptions.h"

#include <cstring>

namespace {

struct tagOptionSlot {
    const char* name;
    tagBatchText tagBatchOptions::*field;
};

// Options that name one value each, kept as given.
struct tagValueSlot {
    const char* name;
    std::string tagBatchOptions::*field;
};

const tagValueSlot kValues[] = {
    {"--values-from", &tagBatchOptions::valuesFrom},
    {"--key", &tagBatchOptions::valuesKey},
    {"--encoding", &tagBatchOptions::encoding},
    {"--unmatched", &tagBatchOptions::unmatchedFile},
};

const tagOptionSlot kAccess[] = {
    {"--notes-path", &tagBatchOptions::notesPath}, {"--contacts-db", &tagBatchOptions::addrFile},
    {"--server", &tagBatchOptions::server},        {"--user", &tagBatchOptions::user},
    {"--mail-db", &tagBatchOptions::mailDB},       {"--id-file", &tagBatchOptions::idFile},
};

bool Fail(std::string* error, const std::string& text) {
    if (error)
        *error = text;
    return false;
}

// "--name=value" or "--name value"; `arg` is the whole argument.
class CxArgs {
public:
    CxArgs(int argc, const char* const* argv) : m_argc(argc), m_argv(argv) {}
    bool More() const { return m_next < m_argc; }
    std::string Take() { return m_argv[m_next++]; }
    bool Value(const std::string& name, const std::string& inlineValue, bool hasInline,
               std::string* value, std::string* error) {
        if (hasInline) {
            *value = inlineValue;
            return true;
        }
        if (!More())
            return Fail(error, "The option " + name + " needs a value.");
        *value = Take();
        return true;
    }

private:
    int m_argc;
    const char* const* m_argv;
    int m_next = 1;
};

bool IsFlag(const std::string& name, tagBatchOptions* o) {
    if (name == "--help" || name == "-h")
        o->bHelp = true;
    else if (name == "--version")
        o->bVersion = true;
    else if (name == "--dry-run")
        o->bDryRun = true;
    else if (name == "--wait")
        o->bWait = true;
    else if (name == "--password-stdin")
        o->passwordMode = BATCH_PASSWORD_STDIN;
    else if (name == "--no-password")
        o->passwordMode = BATCH_PASSWORD_NONE;
    else
        return false;
    return true;
}

// Options that take a value; false when `name` is none of them.
bool TakeValued(const std::string& name, const std::string& value, tagBatchOptions* o) {
    for (const tagOptionSlot& slot : kAccess)
        if (name == slot.name) {
            (o->*slot.field).bGiven = true;
            (o->*slot.field).value = value;
            return true;
        }
    for (const tagValueSlot& slot : kValues)
        if (name == slot.name) {
            o->*slot.field = value;
            return true;
        }
    const std::string word = name.substr(2);
    if (IsBatchUpdateOp(word) && word != "true" && word != "false") {
        o->updates.push_back({word, value, name});
        return true;
    }
    if (name == "--true" || name == "--false") {
        o->updates.push_back({word, value, name});
        return true;
    }
    if (name == "--updates") {
        o->updates.push_back({"updates", value, name});
        return true;
    }
    if (name == "--where") {
        o->where.push_back(value);
        return true;
    }
    if (name == "--list-fields") {
        o->listFields = value;
        return true;
    }
    return false;
}

bool IsValued(const std::string& name) {
    tagBatchOptions probe;
    return TakeValued(name, "", &probe);
}

} // namespace

bool ParseBatchOptions(int argc, const char* const* argv, tagBatchOptions* o, std::string* error) {
    CxArgs args(argc, argv);
    bool positionalOnly = false;
    while (args.More()) {
        const std::string arg = args.Take();
        if (positionalOnly || arg.size() < 2 || arg[0] != '-') {
            if (o->kind == "undo" && o->undoRun.empty()) {
                o->undoRun = arg;
                continue;
            }
            if (!o->kind.empty())
                return Fail(error, "Give one record kind only; \"" + arg + "\" is one too many.");
            o->kind = arg;
            continue;
        }
        if (arg == "--") {
            positionalOnly = true;
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const bool hasInline = eq != std::string::npos;
        if (name == "--password" || name == "-p")
            return Fail(error, "The password is never taken from the command line; use "
                               "--password-stdin or type it at the prompt.");
        if (!hasInline && IsFlag(name, o))
            continue;
        if (!IsValued(name))
            return Fail(error, "Unknown option \"" + arg + "\".");
        std::string value;
        if (!args.Value(name, hasInline ? arg.substr(eq + 1) : "", hasInline, &value, error))
            return false;
        TakeValued(name, value, o);
    }
    return true;
}

const char* const kBatchUsage =
    R"(Usage: vxln-batch [OPTIONS] KIND
       vxln-batch journal
       vxln-batch [OPTIONS] undo RUN [--dry-run]
Changes fields of many Lotus Notes records in one run, as the wizard does.
KIND is contacts, calendar or tasks.

Lotus Notes access (options not given take the wizard's saved settings,
which vxln-batch reads but never changes):
  --notes-path PATH     the Lotus Notes program
  --contacts-db PATH    the contacts database (contacts)
  --server NAME         the Domino server (calendar, tasks)
  --user NAME           the Notes user name (calendar, tasks)
  --mail-db PATH        the mail database (calendar, tasks)
  --id-file PATH        the user ID file (calendar, tasks)
Password (never on the command line):
  at a terminal it is asked for without echo; otherwise there is none.
  --password-stdin      read it from the first line of standard input
  --no-password         use none

Field updates, applied in the order given; FIELD is a display name of the
kind's field list (any case):
  --set "FIELD=TEXT"                 set a text (may be empty) or a number
  --append "FIELD=TEXT"              append TEXT to the end
  --insert "FIELD@POSITION=TEXT"     insert TEXT at POSITION (0 = start)
  --replace "FIELD:FIND=REPLACEMENT" replace FIND (REPLACEMENT may be empty);
                                     FIND ends at the first '='
  --set-from "FIELD=TEMPLATE"        set a text from other fields of the record:
                                     "Display Name={First Name} {Last Name}";
                                     each {FIELD} reads as loaded, before any
                                     update of the run; {{ and }} are braces
  --date "FIELD=YYYY-MM-DD"          set a date
  --datetime "FIELD=YYYY-MM-DD HH:MM[:SS]"   set a date and time
  --true FIELD, --false FIELD        set a flag
  --choice "FIELD=NAME"              set one of the field's choices
  --updates FILE                     the same, one a line without the dashes:
                                       set Last Name=Miller
                                       insert Company Name@0=The
                                     blank lines and lines starting with # are skipped

Values per record from a CSV file (RFC 4180, UTF-8 with or without a BOM):
  --values-from FILE      its first row names fields; each other row sets
                          them on the records whose key field matches its
                          key (any case, blanks at either end ignored); an
                          empty cell leaves the field, a cell {clear} empties
                          a text or removes a date; applied after the updates
                          above, its columns from left to right
  --key FIELD             the field whose column holds the keys
  --encoding NAME         the file's encoding when not UTF-8 (WINDOWS-1252, ...)
  --unmatched FILE        write every key that matched no record into FILE

Records (all by default):
  --where "COLUMN=VALUE"  only records whose COLUMN (a column of the record
                          list, any case) reads VALUE, ignoring case and
                          blanks at either end;
                          several --where must all hold

Other:
  --dry-run               load and apply, print each change, write nothing back
                          (with undo: tell what would be put back)
  --wait                  when another run (the wizard, another vxln-batch)
                          holds the data folder, wait until it has finished;
                          without it the run stops at once and says who holds it

Every write-back keeps a journal. "journal" lists the runs, newest first;
"undo RUN" puts back every item RUN changed that still holds RUN's value,
with the access options above, and tells each item changed since.
  --list-fields KIND      print the updatable fields of KIND
  --help, --version

Exit status: 0 success (also when no record matches), 1 the load or the
write-back failed, 2 a usage error.
)";
