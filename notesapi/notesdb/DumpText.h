// The characters of the dump and of the command line (UTF-8) and those of
// the database (LMBCS). A text that is not UTF-8 is read as Windows-1252,
// the form dumps of earlier versions were written in.
#pragma once
#include <cstddef>
#include <string>

std::string LmbcsFromDump(const std::string& text);
std::string DumpFromLmbcs(const std::string& lmbcs);
// The UTF-8 of `lmbcs` when reading it back gives the same bytes; false, and
// nothing counted, when some would be lost.
bool DumpKeeps(const std::string& lmbcs, std::string* text);

// The characters replaced by either since the program started: LMBCS
// sequences cut short or of unknown groups, characters without an LMBCS form.
std::size_t DumpReplacements();
