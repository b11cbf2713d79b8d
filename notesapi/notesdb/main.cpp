// notesdb: creates, fills, seeds and dumps stand-in Notes databases.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "Commands.h"
#include "DumpText.h"
#include "NotesDb.h"
#include "SeedData.h"

namespace {

const char kUsage[] =
    "Usage: notesdb [OPTIONS] COMMAND ARGUMENTS\n"
    "\n"
    "Creates, fills, seeds and dumps databases of the stand-in Notes API.\n"
    "\n"
    "Commands:\n"
    "  create DB                  make a new, empty database\n"
    "  acl DB USER LEVEL          give USER the access LEVEL: none, reader, editor or\n"
    "                             manager (USER \"-Default-\": everyone not listed)\n"
    "  id FILE USER PASSWORD      make an ID file for USER with PASSWORD\n"
    "  import DB [FILE]           add the documents of a dump (FILE, or standard input\n"
    "                             when FILE is missing or \"-\"); note IDs are new;\n"
    "                             all of them or, on an error, none\n"
    "  dump DB [FILE]             write every document in the dump form, ordered by\n"
    "                             note ID (to FILE, or standard output)\n"
    "  delete DB NOTEID...        delete documents\n"
    "  set DB NOTEID ITEM TEXT    give the text item ITEM of a document the value TEXT\n"
    "  seed DB KIND COUNT [SEED]  add COUNT deterministic sample documents; KIND is\n"
    "                             contacts, appointments or tasks; SEED (default 1)\n"
    "                             gives another set; all or, on an error, none\n"
    "  title DB [TEXT]            show the database's title, or set it to TEXT\n"
    "  convert DB                 turn a database of an earlier version, its text in\n"
    "                             code page 1252, into one of LMBCS, once\n"
    "\n"
    "Options (before the command):\n"
    "  --notes DIR                the Notes program folder, whose notes.ini gives the\n"
    "                             servers and the default user of import, dump,\n"
    "                             delete and seed (default: the current directory)\n"
    "  --id FILE --password PW    work as the user of this ID file\n"
    "  -h, --help                 show this text\n"
    "\n"
    "Paths are file-system paths, relative to the current directory; \"server!!path\"\n"
    "names a database of a server listed in notes.ini. Text on the command line and\n"
    "in dumps is UTF-8 (a dump's text that is not, code page 1252); databases keep\n"
    "LMBCS, as Notes does.\n"
    "\n"
    "Dump form: one block per document, \"[note ID]\" and then one \"Name: value\" line\n"
    "per item. A plain value is text; \"[list] \\\"a\\\" \\\"b\\\"\" a text list, \"[number] 5\" "
    "a\n"
    "number, \"[time] 2007-02-03 13:05:09\" a time (date or clock alone, or\n"
    "\"raw 0xINNARDS0 0xINNARDS1\"), \"[richtext] HEX\" rich-text records,\n"
    "\"[type=0xTTTT] HEX\" any other type; \"[flags=0xFFFF] \" before a value gives\n"
    "item flags other than the usual. Escapes: \\\\ \\0 \\r \\n \\t \\xHH, and \\: \\[ \\#\n"
    "in names, \\\" in list entries, \\[ at the start of a text.\n"
    "\n"
    "Exit status: 0 done, 1 the operation failed, 2 wrong usage.\n";

struct Options {
    std::string notesDir, idFile, password;
    bool passwordGiven = false;
    Args command;
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "notesdb: %s\nTry 'notesdb --help'.\n", message.c_str());
    return 2;
}

bool ParseNumber(const std::string& text, unsigned long max, unsigned long* value) {
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    unsigned long v = std::strtoul(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v > max)
        return false;
    *value = v;
    return true;
}

// File-system paths are fixed against the starting folder before --notes
// moves away from it; server paths and "-" stay.
std::string Absolute(const std::string& path) {
    if (path.empty() || path[0] == '/' || path == "-" || path.find("!!") != std::string::npos)
        return path;
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd))
        return path;
    return std::string(cwd) + "/" + path;
}

// Global options; false (message shown) on a usage error.
bool ParseOptions(int argc, char** argv, Options* o, bool* help) {
    for (int k = 1; k < argc; ++k)
        if (std::strcmp(argv[k], "--help") == 0)
            *help = true;
    if (*help)
        return true;
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] != '\0'; ++i) {
        std::string arg = argv[i];
        std::string* target = arg == "--notes"      ? &o->notesDir
                              : arg == "--id"       ? &o->idFile
                              : arg == "--password" ? &o->password
                                                    : nullptr;
        if (arg == "-h" || arg == "--help") {
            *help = true;
            return true;
        }
        if (!target) {
            UsageError("unknown option " + arg);
            return false;
        }
        if (i + 1 >= argc) {
            UsageError(arg + " needs a value");
            return false;
        }
        *target = argv[++i];
        o->passwordGiven = o->passwordGiven || arg == "--password";
    }
    if (!o->idFile.empty() && !o->passwordGiven) {
        UsageError("--id needs --password");
        return false;
    }
    o->command.assign(argv + i, argv + argc);
    return true;
}

// The database (or ID file) and the dump file of a command, made absolute.
Args ResolvePaths(Args a) {
    a[1] = Absolute(a[1]);
    if ((a[0] == "import" || a[0] == "dump") && a.size() > 2)
        a[2] = Absolute(a[2]);
    return a;
}

struct CommandSpec {
    const char* name;
    std::size_t minArgs, maxArgs; // after the command name
    bool needsApi;
    const char* synopsis;
};

const CommandSpec kCommands[] = {
    {"create", 1, 1, false, "create DB"},
    {"acl", 3, 3, false, "acl DB USER LEVEL"},
    {"id", 3, 3, false, "id FILE USER PASSWORD"},
    {"import", 1, 2, true, "import DB [FILE]"},
    {"dump", 1, 2, true, "dump DB [FILE]"},
    {"delete", 2, static_cast<std::size_t>(-1), true, "delete DB NOTEID..."},
    {"set", 4, 4, true, "set DB NOTEID ITEM TEXT"},
    {"seed", 3, 4, true, "seed DB KIND COUNT [SEED]"},
    {"title", 1, 2, true, "title DB [TEXT]"},
    {"convert", 1, 1, false, "convert DB"},
};

const CommandSpec* FindCommand(const std::string& name) {
    for (const CommandSpec& spec : kCommands)
        if (name == spec.name)
            return &spec;
    return nullptr;
}

// Checks the arguments that only the command knows; 0 when fine.
int CheckArguments(const Args& a) {
    unsigned long value = 0;
    if (a[0] == "acl" && !FindAccessLevel(a[3], nullptr))
        return UsageError("unknown access level \"" + a[3] + "\" (none, reader, editor, manager)");
    if (a[0] == "delete") {
        for (std::size_t i = 2; i < a.size(); ++i)
            if (!ParseNumber(a[i], 0xffffffffUL, &value) || value == 0)
                return UsageError("bad note ID \"" + a[i] + "\"");
    }
    if (a[0] == "set" && (!ParseNumber(a[2], 0xffffffffUL, &value) || value == 0))
        return UsageError("bad note ID \"" + a[2] + "\"");
    if (a[0] == "seed") {
        if (!FindSeedMaker(a[2]))
            return UsageError("unknown kind \"" + a[2] + "\" (contacts, appointments, tasks)");
        if (!ParseNumber(a[3], 100000000UL, &value))
            return UsageError("bad count \"" + a[3] + "\"");
        if (a.size() > 4 && !ParseNumber(a[4], 0xffffffffUL, &value))
            return UsageError("bad seed \"" + a[4] + "\"");
    }
    return 0;
}

int Dispatch(const Args& a) {
    const std::string& db = a[1];
    if (a[0] == "create")
        return CreateCommand(db);
    if (a[0] == "acl")
        return AclCommand(db, a[2], a[3]);
    if (a[0] == "id")
        return IdCommand(db, a[2], a[3]);
    if (a[0] == "import")
        return ImportCommand(db, a.size() > 2 ? a[2] : "-");
    if (a[0] == "dump")
        return DumpCommand(db, a.size() > 2 ? a[2] : "-");
    if (a[0] == "delete") {
        std::vector<unsigned long> ids;
        for (std::size_t i = 2; i < a.size(); ++i)
            ids.push_back(std::strtoul(a[i].c_str(), nullptr, 10));
        return DeleteCommand(db, ids);
    }
    if (a[0] == "set")
        return SetCommand(db, std::strtoul(a[2].c_str(), nullptr, 10), a[3], a[4]);
    if (a[0] == "title")
        return TitleCommand(db, a.size() > 2 ? &a[2] : nullptr);
    if (a[0] == "convert")
        return ConvertCommand(db);
    unsigned seed =
        a.size() > 4 ? static_cast<unsigned>(std::strtoul(a[4].c_str(), nullptr, 10)) : 1;
    return SeedCommand(db, a[2], std::strtoul(a[3].c_str(), nullptr, 10), seed);
}

// API start in the Notes program folder, and the user switch when asked.
int StartApi(const Options& o, char* program) {
    if (!o.notesDir.empty() && chdir(o.notesDir.c_str()) != 0)
        return Fail("cannot change to " + o.notesDir + ": " + std::strerror(errno));
    char* args[] = {program, nullptr};
    STATUS status = NotesInitExtended(1, args);
    if (status != NOERROR)
        return Fail("cannot start the Notes API: " + StatusText(status));
    if (o.idFile.empty())
        return 0;
    char user[MAXUSERNAME] = "";
    std::string idFile = LmbcsFromDump(o.idFile), password = LmbcsFromDump(o.password);
    status = SECKFMSwitchToIDFile(&idFile[0], &password[0], user, sizeof user, 0, nullptr);
    if (status != NOERROR) {
        NotesTerm();
        return Fail("cannot switch to " + o.idFile + ": " + StatusText(status));
    }
    return 0;
}

// Texts that lost characters on the way in or out, counted.
void ReportReplacements() {
    if (DumpReplacements() > 0)
        std::fprintf(stderr,
                     "notesdb: %zu character(s) had no form or came broken and became "
                     "'?' (or U+FFFD)\n",
                     DumpReplacements());
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    bool help = false;
    if (!ParseOptions(argc, argv, &o, &help))
        return 2;
    if (help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (o.command.empty())
        return UsageError("no command given");
    const CommandSpec* spec = FindCommand(o.command[0]);
    if (!spec)
        return UsageError("unknown command \"" + o.command[0] + "\"");
    std::size_t given = o.command.size() - 1;
    if (given < spec->minArgs || given > spec->maxArgs)
        return UsageError(std::string("usage: notesdb ") + spec->synopsis);
    if (int status = CheckArguments(o.command))
        return status;
    Args a = ResolvePaths(o.command);
    if (!spec->needsApi)
        return Dispatch(a); // administration works on paths alone
    o.idFile = Absolute(o.idFile);
    if (int status = StartApi(o, argv[0]))
        return status;
    int result = Dispatch(a);
    NotesTerm();
    ReportReplacements();
    return result;
}
