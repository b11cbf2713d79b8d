// What one journaled run did, document by document: each item's value before
// and after, as a person reads them. The wizard's list of earlier runs shows it.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

struct tagLNJournalItemChange {
    std::string sName, sOld, sNew; // UTF-8; a value the item did not have is empty
    bool bHadOld = false, bHasNew = false;
};

struct tagLNJournalDocument {
    long nEntry = 0;
    long nDoc = 0;       // note ID; 0 for a document created by the run
    std::string sAction; // "change", "create", "delete"
    // "committed", "not committed" or "" when the run ended before it said.
    std::string sOutcome;
    std::vector<tagLNJournalItemChange> items;
};

struct tagLNJournalDetails {
    std::vector<tagLNJournalDocument> documents; // in the journal's order
    std::size_t nMore = 0; // documents left out beyond the limit
    std::string sDamaged;  // why the journal could not be read to its end
};

// The first `limit` documents of run `run` in the data folder `dataFolder`;
// false when there is no such journal.
bool LNReadJournalDetails(const std::string& dataFolder, const std::string& run,
                          std::size_t limit, tagLNJournalDetails* out);

