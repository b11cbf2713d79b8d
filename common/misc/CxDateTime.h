// A moment held both as a Variant date and as calendar parts, with its text forms.
#pragma once
#include <ctime>

#include "platform/OleDate.h"

class CxDateTime {
public:
    CxDateTime();                      // now, local time
    explicit CxDateTime(double vtime); // from a Variant date
    virtual ~CxDateTime();

    void SetVariantTime(double vtime);
    void SetSysTime(const SYSTEMTIME& st);
    void SetTimeT(time_t value);

    double GetVariantTime() const { return m_dtVariant; }
    const SYSTEMTIME& GetSysTime() const { return m_stTime; }
    bool IsValid() const { return m_bValid; }

    // Buffers hold at least 20 bytes. A year after 2030 gives an empty date.
    void FormatDate(char* buffer) const;     // "MM/DD/YYYY"
    void FormatTime(char* buffer) const;     // "hh:mm:ss"
    void FormatDateTime(char* buffer) const; // date, blank, time

private:
    double m_dtVariant;
    SYSTEMTIME m_stTime;
    bool m_bValid;
};

// Variant date (local time) to seconds since 1970; false when it cannot be converted.
bool VariantTimeToTimeT(double vtime, time_t* result);
// "MM-DD-YYYY hh:mm:ss"; false, buffer untouched, when it cannot be converted.
bool FormatVariantTime(double vtime, char* buffer);
// By calendar day: -1, 0 or 1; an absent first gives -1, else an absent second 1.
int CompareDate(const SYSTEMTIME* first, const SYSTEMTIME* second);
