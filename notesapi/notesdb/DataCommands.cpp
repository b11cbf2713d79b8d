// Commands that read and write documents through the C API.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "DumpFile.h"
#include "NotesDb.h"
#include "SeedData.h"

namespace {

bool OpenDb(NotesDb& db, const std::string& path) {
    STATUS status = db.Open(path);
    if (status != NOERROR)
        Fail("cannot open " + path + ": " + StatusText(status));
    return status == NOERROR;
}

// One transaction for all the documents: fast, and a failure stores none.
template <class NextNote>
int WriteBatch(NotesDb& db, const std::string& path, const char* noun, unsigned long count,
               NextNote next) {
    STATUS status = db.BeginBatch();
    if (status != NOERROR)
        return Fail("cannot write to " + path + ": " + StatusText(status));
    for (unsigned long i = 0; i < count; ++i) {
        status = db.CreateNote(next(i));
        if (status != NOERROR) {
            db.EndBatch(false);
            return Fail(std::string("cannot store ") + noun + " " + std::to_string(i + 1) + " in " + path + ": " +
                        StatusText(status));
        }
    }
    status = db.EndBatch(true);
    return status == NOERROR ? 0 : Fail("cannot write to " + path + ": " + StatusText(status));
}

int DumpTo(NotesDb& db, const std::string& path, std::ostream& out) {
    std::vector<NOTEID> ids;
    STATUS status = db.ListDocuments(&ids);
    if (status != NOERROR)
        return Fail("cannot search " + path + ": " + StatusText(status));
    DbNote note;
    for (NOTEID id : ids) {
        status = db.ReadNote(id, &note);
        if (status != NOERROR)
            return Fail("cannot read note " + std::to_string(id) + " of " + path + ": " +
                        StatusText(status));
        WriteDump(out, note);
    }
    out.flush();
    return out ? 0 : Fail("cannot write the dump");
}

} // namespace

int Fail(const std::string& message) {
    std::fprintf(stderr, "notesdb: %s\n", message.c_str());
    return 1;
}

int ImportCommand(const std::string& path, const std::string& file) {
    std::vector<DbNote> notes;
    std::string error;
    std::ifstream in;
    if (file != "-") {
        in.open(file, std::ios::binary);
        if (!in)
            return Fail("cannot read " + file);
    }
    if (!ReadDump(file == "-" ? std::cin : in, &notes, &error))
        return Fail((file == "-" ? std::string("standard input") : file) + ": " + error);
    NotesDb db;
    if (!OpenDb(db, path))
        return 1;
    return WriteBatch(db, path, "document", notes.size(),
                      [&notes](unsigned long i) -> const DbNote& { return notes[i]; });
}

int DumpCommand(const std::string& path, const std::string& file) {
    NotesDb db;
    if (!OpenDb(db, path))
        return 1;
    if (file == "-")
        return DumpTo(db, path, std::cout);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return Fail("cannot write " + file);
    return DumpTo(db, path, out);
}

int DeleteCommand(const std::string& path, const std::vector<unsigned long>& ids) {
    NotesDb db;
    if (!OpenDb(db, path))
        return 1;
    for (unsigned long id : ids) {
        STATUS status = db.DeleteNote(static_cast<NOTEID>(id));
        if (status != NOERROR)
            return Fail("cannot delete note " + std::to_string(id) + " of " + path + ": " +
                        StatusText(status));
    }
    return 0;
}

int SeedCommand(const std::string& path, const std::string& kind, unsigned long count,
                unsigned seed) {
    SeedMaker make = FindSeedMaker(kind);
    NotesDb db;
    if (!make || !OpenDb(db, path))
        return make ? 1 : Fail("unknown kind \"" + kind + "\"");
    DbNote note;
    return WriteBatch(db, path, "sample", count, [&](unsigned long i) -> const DbNote& {
        make(seed, i, &note);
        return note;
    });
}
