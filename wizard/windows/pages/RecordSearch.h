// What the find box of a selection page searches: each row's shown texts,
// folded to lower case once, so a keystroke over 100,000 rows is a scan of
// bytes, not a formatting of every field again.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CxRecordSearch {
public:
    // Appends row `row`'s texts, one per shown column, to `texts`.
    typedef std::function<void(int row, std::vector<std::string>* texts)> RowTextsFn;

    // Forgets the rows; the next search reads `rowCount` rows anew.
    void Reset(int rowCount, RowTextsFn rowTexts);
    // The rows, in order, of which a shown text contains `text` (Windows-1252,
    // any case); every row for an empty text. A text that extends the last
    // one searches only the last one's rows.
    const std::vector<int>& Find(const std::string& text);
    // Reads the texts of up to `rows` more rows ahead of a search, so the
    // first keystroke need not; true once every row is read.
    bool ReadAhead(int rows);
    // Row `row`'s text in column `column`, folded, for sorting.
    std::string Key(int row, int column);
    int RowCount() const { return m_nRows; }

    // Windows-1252 text in lower case, letters with accents included.
    static std::string Fold(const std::string& text);

private:
    void Read_() { ReadAhead(m_nRows); }

    int m_nRows = 0;
    RowTextsFn m_rowTexts;
    int m_nRead = 0; // rows whose texts are read
    // Every row's folded texts, each ended by a separator no text holds.
    std::string m_sAll;
    std::vector<std::size_t> m_start; // where each row begins in m_sAll, and its end
    std::string m_sLast;              // the text of the last search
    std::vector<int> m_found;
};
