#include "VariantDate.h"

#include "platform/OleDate.h"

QDate VariantToDate(double vtime) {
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(vtime, &st))
        return QDate();
    return QDate(st.wYear, st.wMonth, st.wDay);
}

QTime VariantToTime(double vtime) {
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(vtime, &st))
        return QTime();
    return QTime(st.wHour, st.wMinute, st.wSecond);
}

bool DateToVariant(const QDate& date, const QTime& time, double* vtime) {
    if (!date.isValid() || date.year() < 1)
        return false;
    SYSTEMTIME st{};
    st.wYear = static_cast<uint16_t>(date.year());
    st.wMonth = static_cast<uint16_t>(date.month());
    st.wDay = static_cast<uint16_t>(date.day());
    if (time.isValid()) {
        st.wHour = static_cast<uint16_t>(time.hour());
        st.wMinute = static_cast<uint16_t>(time.minute());
        st.wSecond = static_cast<uint16_t>(time.second());
    }
    return SystemTimeToVariantTime(&st, vtime);
}
