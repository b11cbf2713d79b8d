// A document as notesdb moves it between a database and its text form.
#pragma once
#include <string>
#include <vector>

#include "global.h"
#include "nsfnote.h"

struct DbItem {
    std::string name;
    WORD flags = 0;
    WORD type = TYPE_TEXT;
    std::string value; // the bytes after the type word
};

struct DbNote {
    NOTEID id = 0; // 0 for a note not yet stored
    std::vector<DbItem> items;
};
