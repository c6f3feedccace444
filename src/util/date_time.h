// The host's date-time value and the calendar behind it. The value is an
// OLE Automation date (days since 30 December 1899 00:00, the time of day as
// the fraction; a negative value is the day part plus the absolute fraction
// as time of day) and a validity status. The layout matches the host's
// record: the day count at offset 0, the 32-bit status at offset 8.
#pragma once

#include <cstdint>
#include <string>

namespace sptdc {

struct DateTime {
  enum Status : std::int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

  double days = 0.0;
  std::int32_t status = kValid;

  // Formats with the strftime-style directives %Y %m %d %H %M %S and %%;
  // other characters are copied. A null value gives "", an invalid one, or
  // one outside 1 January 100 to 31 December 9999, gives "Invalid DateTime".
  std::string Format(const char* pattern) const;

  // The difference of the two instants in days, whatever their statuses.
  double operator-(const DateTime& other) const;
};

// A date of the proleptic Gregorian calendar.
struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

inline bool operator==(const CivilDate& a, const CivilDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The day count of a date: 0 for 30 December 1899, negative before.
std::int64_t DayNumber(const CivilDate& date);
// The date of a day count; DateOfDay(DayNumber(d)) == d for every date.
CivilDate DateOfDay(std::int64_t dayNumber);

// The valid value for a date and a second of its day (0 to 86399). Before
// day 0 the fraction counts backwards from the day, as OLE dates do: -1.25
// is 29 December 1899 06:00.
DateTime DateTimeOf(const CivilDate& date, int secondOfDay);

// The day count moved half a second away from zero, so that cutting it
// towards zero (to seconds, minutes or days) rounds to the nearest second,
// halves away from zero.
double WithHalfSecondAwayFromZero(double days);

}  // namespace sptdc
