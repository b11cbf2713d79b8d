// The subcommands of notesdb. Each returns the exit status: 0 done, 1 the
// operation failed (a message went to standard error).
#pragma once
#include <string>
#include <vector>

#include "global.h"
#include "zns.h"

using Args = std::vector<std::string>;

int CreateCommand(const std::string& db);
int AclCommand(const std::string& db, const std::string& user, const std::string& level);
int IdCommand(const std::string& file, const std::string& user, const std::string& password);
int ImportCommand(const std::string& db, const std::string& file);
int DumpCommand(const std::string& db, const std::string& file);
int DeleteCommand(const std::string& db, const std::vector<unsigned long>& ids);
int SetCommand(const std::string& db, unsigned long id, const std::string& item,
               const std::string& text);
int SeedCommand(const std::string& db, const std::string& kind, unsigned long count, unsigned seed);
// Prints the database's title, or sets it to `title` when given.
int TitleCommand(const std::string& db, const std::string* title);
int ConvertCommand(const std::string& db);

// The level of "none", "reader", "editor" or "manager" (any case).
bool FindAccessLevel(const std::string& name, WORD* level);

// Prints "notesdb: message" to standard error; returns 1.
int Fail(const std::string& message);
