// Variant dates, as records and definitions keep them, to and from the
// windows' date and time boxes.
#pragma once
#include <QDate>
#include <QTime>

// The calendar day and the time of day of `vtime`; both invalid when it is
// no Variant date.
QDate VariantToDate(double vtime);
QTime VariantToTime(double vtime);
// `date` at `time` (an invalid time is midnight); false, `vtime` untouched,
// when the day lies outside the Variant years.
bool DateToVariant(const QDate& date, const QTime& time, double* vtime);
