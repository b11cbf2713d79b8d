// Deterministic sample documents. Document i of a kind depends only on the
// seed and i, so a smaller run is a prefix of a larger one.
#pragma once
#include <string>

#include "DbNote.h"
#include "misc.h"

// Small generator with a fixed sequence for every (seed, kind, index).
class SeedRandom {
public:
    SeedRandom(unsigned seed, unsigned kind, unsigned long index);
    unsigned Next();
    unsigned Below(unsigned bound) { return bound ? Next() % bound : 0; }
    bool OneIn(unsigned n) { return Below(n) == 0; }
    template <std::size_t N> const char* Pick(const char* const (&list)[N]) {
        return list[Below(N)];
    }

private:
    unsigned long long m_state;
};

// Builders of item values.
void AddText(DbNote* note, const std::string& name, const std::string& text);
void AddTextList(DbNote* note, const std::string& name, const std::vector<std::string>& entries);
void AddNumber(DbNote* note, const std::string& name, NUMBER number);
void AddTime(DbNote* note, const std::string& name, const TIMEDATE& time);
// Rich text: one paragraph of `text` as CD records (line feeds become zero bytes).
void AddRichText(DbNote* note, const std::string& name, const std::string& text);

// Local wall time as the stand-in stores it; a negative hour gives a date alone.
TIMEDATE MakeTime(int year, int month, int day, int hour, int minute, int second);
TIMEDATE MakeDateOnly(int year, int month, int day);
// The day `days` after 1 January 2020 (any sign).
void DayAfter2020(long days, int* year, int* month, int* day);

// The generators; each fills `note` (without ID) for document `index`.
void MakeContact(unsigned seed, unsigned long index, DbNote* note);
void MakeAppointment(unsigned seed, unsigned long index, DbNote* note);
void MakeTask(unsigned seed, unsigned long index, DbNote* note);

using SeedMaker = void (*)(unsigned, unsigned long, DbNote*);
// The generator of "contacts", "appointments" or "tasks"; null for others.
SeedMaker FindSeedMaker(const std::string& kind);
