#include "util/date_time.h"

#include <cmath>
#include <cstdio>

namespace sptdc {

namespace {

constexpr double kHalfSecondInDays = 0.5 / 86400.0;
constexpr double kFirstDay = -657434.0;     // 1 January 100
constexpr double kLastDay = 2958465.99999;  // 31 December 9999, 23:59:59
// The day counts below are counted from 1 March of year 0 (H. Hinnant's
// civil-from-days algorithms, in 400-year eras of 146097 days, so that the
// leap day comes last); 30 December 1899 is day 693899 of that count.
constexpr std::int64_t kDayZero = 693899;

struct CalendarTime {
  CivilDate date;
  long hour, minute, second;
};

// The instant a day count stands for: negative counts keep the day part and
// read the fraction forwards from that day's midnight.
double Instant(double days) {
  double whole = std::trunc(days);
  return whole + std::fabs(days - whole);
}

CalendarTime ToCalendar(double days) {
  const double rounded = WithHalfSecondAwayFromZero(days);
  const double whole = std::trunc(rounded);
  long seconds = static_cast<long>(std::fabs(rounded - whole) * 86400.0);
  if (seconds > 86399) seconds = 86399;
  CalendarTime t{};
  t.date = DateOfDay(static_cast<std::int64_t>(whole));
  t.hour = seconds / 3600;
  t.minute = seconds / 60 % 60;
  t.second = seconds % 60;
  return t;
}

void AppendNumber(std::string& out, long value, int width) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%0*ld", width, value);
  out += digits;
}

}  // namespace

std::int64_t DayNumber(const CivilDate& date) {
  const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - kDayZero;
}

CivilDate DateOfDay(std::int64_t dayNumber) {
  const std::int64_t z = dayNumber + kDayZero;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

DateTime DateTimeOf(const CivilDate& date, int secondOfDay) {
  const std::int64_t day = DayNumber(date);
  const double fraction = secondOfDay / 86400.0;
  DateTime value;
  value.days = day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
  return value;
}

double WithHalfSecondAwayFromZero(double days) {
  return days + (days >= 0 ? kHalfSecondInDays : -kHalfSecondInDays);
}

std::string DateTime::Format(const char* pattern) const {
  if (status == kNull) return "";
  if (status != kValid || !std::isfinite(days) || days < kFirstDay || days > kLastDay)
    return "Invalid DateTime";
  const CalendarTime t = ToCalendar(days);
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%' || p[1] == '\0') {
      out += *p;
      continue;
    }
    switch (*++p) {
      case 'Y':
        AppendNumber(out, t.date.year, 4);
        break;
      case 'm':
        AppendNumber(out, t.date.month, 2);
        break;
      case 'd':
        AppendNumber(out, t.date.day, 2);
        break;
      case 'H':
        AppendNumber(out, t.hour, 2);
        break;
      case 'M':
        AppendNumber(out, t.minute, 2);
        break;
      case 'S':
        AppendNumber(out, t.second, 2);
        break;
      default:
        out += *p;
        break;  // "%%" and unknown directives give the character
    }
  }
  return out;
}

double DateTime::operator-(const DateTime& other) const { return Instant(days) - Instant(other.days); }

}  // namespace sptdc
