#include "CxDateTime.h"

#include <cstring>

#include "common/misc/CxString.h"

namespace {

constexpr std::size_t kTextSize = 20;
constexpr int kLastFormattedYear = 2030;

void FromTm(const struct tm& t, SYSTEMTIME* st) {
    st->wYear = static_cast<uint16_t>(t.tm_year + 1900);
    st->wMonth = static_cast<uint16_t>(t.tm_mon + 1);
    st->wDayOfWeek = static_cast<uint16_t>(t.tm_wday);
    st->wDay = static_cast<uint16_t>(t.tm_mday);
    st->wHour = static_cast<uint16_t>(t.tm_hour);
    st->wMinute = static_cast<uint16_t>(t.tm_min);
    st->wSecond = static_cast<uint16_t>(t.tm_sec);
    st->wMilliseconds = 0;
}

} // namespace

CxDateTime::CxDateTime() : m_dtVariant(0.0), m_stTime{}, m_bValid(false) {
    SetTimeT(time(nullptr));
}

CxDateTime::CxDateTime(double vtime) : m_dtVariant(0.0), m_stTime{}, m_bValid(false) {
    SetVariantTime(vtime);
}

CxDateTime::~CxDateTime() = default;

void CxDateTime::SetVariantTime(double vtime) {
    m_dtVariant = vtime;
    m_bValid = VariantTimeToSystemTime(vtime, &m_stTime);
}

void CxDateTime::SetSysTime(const SYSTEMTIME& st) {
    m_stTime = st;
    m_bValid = SystemTimeToVariantTime(&m_stTime, &m_dtVariant);
}

void CxDateTime::SetTimeT(time_t value) {
    struct tm t {};
    if (!localtime_r(&value, &t)) {
        m_bValid = false;
        return;
    }
    FromTm(t, &m_stTime);
    m_bValid = SystemTimeToVariantTime(&m_stTime, &m_dtVariant);
}

void CxDateTime::FormatDate(char* buffer) const {
    if (!buffer)
        return;
    if (m_stTime.wYear > kLastFormattedYear) {
        buffer[0] = '\0';
        return;
    }
    CxStrFormat(buffer, kTextSize, "%02d/%02d/%04d", m_stTime.wMonth, m_stTime.wDay,
                m_stTime.wYear);
}

void CxDateTime::FormatTime(char* buffer) const {
    if (!buffer)
        return;
    CxStrFormat(buffer, kTextSize, "%02d:%02d:%02d", m_stTime.wHour, m_stTime.wMinute,
                m_stTime.wSecond);
}

void CxDateTime::FormatDateTime(char* buffer) const {
    if (!buffer)
        return;
    char date[kTextSize], time[kTextSize];
    FormatDate(date);
    FormatTime(time);
    CxStrFormat(buffer, kTextSize, "%s %s", date, time);
}

bool VariantTimeToTimeT(double vtime, time_t* result) {
    SYSTEMTIME st;
    if (!result || !VariantTimeToSystemTime(vtime, &st))
        return false;
    struct tm t {};
    t.tm_sec = st.wSecond;
    t.tm_min = st.wMinute;
    t.tm_hour = st.wHour;
    t.tm_mday = st.wDay;
    t.tm_mon = st.wMonth - 1;
    t.tm_year = st.wYear - 1900;
    t.tm_isdst = -1;
    *result = mktime(&t);
    return true;
}

bool FormatVariantTime(double vtime, char* buffer) {
    SYSTEMTIME st;
    if (!buffer || !VariantTimeToSystemTime(vtime, &st))
        return false;
    CxStrFormat(buffer, kTextSize, "%02d-%02d-%04d %02d:%02d:%02d", st.wMonth, st.wDay, st.wYear,
                st.wHour, st.wMinute, st.wSecond);
    return true;
}

int CompareDate(const SYSTEMTIME* first, const SYSTEMTIME* second) {
    if (!first)
        return -1;
    if (!second)
        return 1;
    const unsigned a[] = {first->wYear, first->wMonth, first->wDay};
    const unsigned b[] = {second->wYear, second->wMonth, second->wDay};
    for (int i = 0; i < 3; ++i) {
        if (a[i] != b[i])
            return a[i] > b[i] ? 1 : -1;
    }
    return 0;
}
