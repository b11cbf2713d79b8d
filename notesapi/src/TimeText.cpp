// TIMEDATE to text and back in the forms of a client set to month/day/year
// dates and 12-hour times: "MM/DD/YYYY hh:mm:ss AM" or "MM/DD/YYYY".
#include "notesapi/src/Api.h"
#include "notesapi/src/TimeDate.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string FormatTime(const zns::CivilTime& c) {
    char text[MAXALPHATIMEDATE];
    std::string result;
    if (c.hasDate) {
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", c.month, c.day, c.year);
        result = text;
    }
    if (c.hasTime) {
        // The 12-hour clock: 12, 01 ... 11, with the day-half marker.
        int hour = c.hour % 12 == 0 ? 12 : c.hour % 12;
        std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour, c.minute, c.second,
                      c.hour < 12 ? "AM" : "PM");
        if (!result.empty())
            result += ' ';
        result += text;
    }
    return result;
}

class TimeScanner {
public:
    TimeScanner(const char* text, size_t length) : m_text(text), m_length(length) {}

    void SkipBlanks() {
        while (m_pos < m_length && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    bool Number(int minDigits, int maxDigits, int& value) {
        int digits = 0;
        return Number(minDigits, maxDigits, value, digits);
    }

    bool Number(int minDigits, int maxDigits, int& value, int& digits) {
        digits = 0;
        value = 0;
        while (digits < maxDigits && m_pos < m_length && m_text[m_pos] >= '0' &&
               m_text[m_pos] <= '9') {
            value = value * 10 + (m_text[m_pos++] - '0');
            ++digits;
        }
        return digits >= minDigits;
    }

    bool Char(char c) {
        if (m_pos >= m_length || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    bool Peek(char c) const { return m_pos < m_length && m_text[m_pos] == c; }

    // "AM" or "PM" without case: 0 none, 1 AM, 2 PM.
    int Marker() {
        if (m_length - m_pos < 2)
            return 0;
        char a = m_text[m_pos] | 0x20, m = m_text[m_pos + 1] | 0x20;
        if ((a != 'a' && a != 'p') || m != 'm')
            return 0;
        m_pos += 2;
        return a == 'a' ? 1 : 2;
    }

    size_t Position() const { return m_pos; }
    void Rewind(size_t pos) { m_pos = pos; }
    bool AtEnd() const { return m_pos >= m_length; }

private:
    const char* m_text;
    size_t m_length;
    size_t m_pos = 0;
};

// A year of four digits, or of two meaning 1950 to 2049, as the
// documentation reads them when the format does not ask for four.
bool ScanYear(TimeScanner& s, int& year) {
    int digits = 0;
    if (!s.Number(2, 4, year, digits) || digits == 3)
        return false;
    if (digits == 2)
        year += year < 50 ? 2000 : 1900;
    return true;
}

bool ScanDate(TimeScanner& s, zns::CivilTime& c) {
    return s.Number(1, 2, c.month) && s.Char('/') && s.Number(1, 2, c.day) && s.Char('/') &&
           ScanYear(s, c.year);
}

// The hour with its marker on the 24-hour clock; "00" with AM is midnight
// as "12" with AM is, a marker-less hour is already on the 24-hour clock.
bool ApplyMarker(int marker, int& hour) {
    if (marker == 0)
        return hour <= 23;
    if (hour > 12 || (marker == 2 && hour == 0))
        return false;
    if (marker == 1 && hour == 12)
        hour = 0;
    else if (marker == 2 && hour != 12)
        hour += 12;
    return true;
}

bool ScanTime(TimeScanner& s, zns::CivilTime& c) {
    if (!s.Number(1, 2, c.hour) || !s.Char(':') || !s.Number(2, 2, c.minute))
        return false;
    c.second = 0;
    if (s.Char(':') && !s.Number(2, 2, c.second))
        return false;
    size_t beforeMarker = s.Position();
    s.SkipBlanks();
    int marker = s.Marker();
    if (marker == 0)
        s.Rewind(beforeMarker);
    return ApplyMarker(marker, c.hour);
}

bool ScanTimeDate(TimeScanner& s, zns::CivilTime& c) {
    s.SkipBlanks();
    if (!ScanDate(s, c))
        return false;
    size_t afterDate = s.Position();
    s.SkipBlanks();
    c.hasTime = !s.AtEnd();
    if (!c.hasTime) {
        s.Rewind(afterDate);
        return true;
    }
    return ScanTime(s, c);
}

} // namespace

STATUS LNPUBLIC ConvertTIMEDATEToText(const void*, const TFMT*, const TIMEDATE* InputTime,
                                      char* retTextBuffer, WORD TextBufferLength,
                                      WORD* retTextLength) {
    if (retTextLength)
        *retTextLength = 0;
    zns::CivilTime civil;
    if (!InputTime || !retTextBuffer || !zns::SplitTimeDate(*InputTime, civil))
        return ERR_TDO_CONV;
    std::string text = FormatTime(civil);
    // A cut time would be another time: refuse a buffer that is too small.
    if (text.size() > TextBufferLength)
        return ERR_TDO_CONV;
    std::memcpy(retTextBuffer, text.data(), text.size());
    if (retTextLength)
        *retTextLength = static_cast<WORD>(text.size());
    return NOERROR;
}

STATUS LNPUBLIC ConvertTextToTIMEDATE(const void*, const TFMT*, char** Text, WORD MaxLength,
                                      TIMEDATE* retTIMEDATE) {
    if (!Text || !*Text || !retTIMEDATE)
        return ERR_TDI_CONV;
    const void* zero = std::memchr(*Text, 0, MaxLength);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - *Text) : MaxLength;
    TimeScanner s(*Text, length);
    zns::CivilTime civil;
    if (!ScanTimeDate(s, civil))
        return ERR_TDI_CONV;
    size_t end = s.Position();
    // Anything but blanks after the time is text we could not read.
    s.SkipBlanks();
    TIMEDATE time;
    if (!s.AtEnd() || !zns::MakeTimeDate(civil, time))
        return ERR_TDI_CONV;
    *retTIMEDATE = time;
    *Text += end;
    return NOERROR;
}
