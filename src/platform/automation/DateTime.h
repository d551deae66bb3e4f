#pragma once

#include <compare>
#include <string>

namespace zv {

// A platform date: days since 30 December 1899 as a double, the time of day as
// the fraction. Before that day the whole part counts back while the fraction
// still counts forward from midnight (-1.25 is 29 December 1899, 06:00).
struct Date {
    double Serial = 0.0;

    friend auto operator<=>(const Date&, const Date&) = default;
};

// The date of a calendar day and time (the proleptic Gregorian calendar).
Date MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The platform's general date-and-time form: the short date, a blank and the
// long time ("12/5/2026 3:04:05 PM"); the date alone at exactly midnight and
// the time alone when the date part is zero. A value outside the platform's
// date range (years 100 to 9999) or not a number gives an empty text.
std::wstring FormatGeneralDate(Date date);

}  // namespace zv
