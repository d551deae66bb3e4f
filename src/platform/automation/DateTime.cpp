#include "platform/automation/DateTime.h"

#include <cmath>
#include <cstdint>

namespace zv {

namespace {

constexpr double kSecondsPerDay = 86400.0;
// Serial numbers of 1 January 100 and 31 December 9999.
constexpr double kFirstSerial = -657434.0;
constexpr double kLastSerial = 2958465.0;
// Days from 1 March of year 0 (proleptic Gregorian) to 30 December 1899.
constexpr std::int64_t kEpochDayNumber = 693899;

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

// Day numbers counted from 1 March of year 0; four-century eras of 146097 days.
std::int64_t DayNumberFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

CivilDate CivilFromDayNumber(std::int64_t dayNumber) {
    const std::int64_t era = (dayNumber >= 0 ? dayNumber : dayNumber - 146096) / 146097;
    const std::int64_t dayOfEra = dayNumber - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

std::wstring FormatShortDate(std::int64_t dayIndex) {
    const CivilDate civil = CivilFromDayNumber(dayIndex + kEpochDayNumber);
    return std::to_wstring(civil.month) + L"/" + std::to_wstring(civil.day) + L"/" +
           std::to_wstring(civil.year);
}

std::wstring TwoDigits(std::int64_t value) {
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

std::wstring FormatLongTime(std::int64_t secondOfDay) {
    const std::int64_t hour = secondOfDay / 3600;
    const std::int64_t minute = secondOfDay / 60 % 60;
    const std::int64_t second = secondOfDay % 60;
    const std::int64_t clockHour = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_wstring(clockHour) + L":" + TwoDigits(minute) + L":" + TwoDigits(second) +
           (hour < 12 ? L" AM" : L" PM");
}

}  // namespace

Date MakeDate(int year, int month, int day, int hour, int minute, int second) {
    const std::int64_t dayIndex = DayNumberFromCivil(year, month, day) - kEpochDayNumber;
    const double timeOfDay = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    // The fraction counts forward from midnight on either side of day zero.
    const double serial = dayIndex >= 0 ? static_cast<double>(dayIndex) + timeOfDay
                                        : static_cast<double>(dayIndex) - timeOfDay;
    return Date{serial};
}

std::wstring FormatGeneralDate(Date date) {
    if (!(date.Serial >= kFirstSerial && date.Serial < kLastSerial + 1.0)) {
        return {};
    }
    auto dayIndex = static_cast<std::int64_t>(std::trunc(date.Serial));
    const double fraction = std::fabs(date.Serial - static_cast<double>(dayIndex));
    auto secondOfDay = static_cast<std::int64_t>(std::llround(fraction * kSecondsPerDay));
    if (secondOfDay == static_cast<std::int64_t>(kSecondsPerDay)) {
        // Rounded up to the next midnight, which is the next calendar day.
        secondOfDay = 0;
        dayIndex += 1;
    }
    if (dayIndex == 0) {
        return FormatLongTime(secondOfDay);
    }
    if (secondOfDay == 0) {
        return FormatShortDate(dayIndex);
    }
    return FormatShortDate(dayIndex) + L" " + FormatLongTime(secondOfDay);
}

}  // namespace zv
