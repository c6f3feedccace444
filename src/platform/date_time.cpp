#include "platform/date_time.h"

#include <cmath>
#include <cstdio>

namespace sptdc {

namespace {

constexpr double kHalfSecondInDays = 0.5 / 86400.0;
constexpr double kFirstDay = -657434.0;        // 1 January 100
constexpr double kLastDay = 2958465.99999;     // 31 December 9999, 23:59:59
constexpr long kDaysFrom1899To1970 = 25569;    // 30 December 1899 to 1 January 1970

struct CalendarTime {
  long year, month, day, hour, minute, second;
};

// The instant a day count stands for: negative counts keep the day part and
// read the fraction forwards from that day's midnight.
double Instant(double days) {
  double whole = std::trunc(days);
  return whole + std::fabs(days - whole);
}

// Civil date of a day number counted from 1 January 1970 (proleptic
// Gregorian calendar; H. Hinnant's days-to-civil algorithm).
void CivilFromDays(long z, CalendarTime& t) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  t.day = doy - (153 * mp + 2) / 5 + 1;
  t.month = mp < 10 ? mp + 3 : mp - 9;
  t.year = yoe + era * 400 + (t.month <= 2 ? 1 : 0);
}

CalendarTime ToCalendar(double days) {
  // Round to the nearest second, halves away from zero.
  const double rounded = days + (days >= 0 ? kHalfSecondInDays : -kHalfSecondInDays);
  const double whole = std::trunc(rounded);
  long seconds = static_cast<long>(std::fabs(rounded - whole) * 86400.0);
  if (seconds > 86399) seconds = 86399;
  CalendarTime t{};
  CivilFromDays(static_cast<long>(whole) - kDaysFrom1899To1970, t);
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

std::string DateTime::Format(const char* pattern) const {
  if (m_status == kNull) return "";
  if (m_status != kValid || !std::isfinite(m_dt) || m_dt < kFirstDay || m_dt > kLastDay)
    return "Invalid DateTime";
  const CalendarTime t = ToCalendar(m_dt);
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (*p != '%' || p[1] == '\0') {
      out += *p;
      continue;
    }
    switch (*++p) {
      case 'Y': AppendNumber(out, t.year, 4); break;
      case 'm': AppendNumber(out, t.month, 2); break;
      case 'd': AppendNumber(out, t.day, 2); break;
      case 'H': AppendNumber(out, t.hour, 2); break;
      case 'M': AppendNumber(out, t.minute, 2); break;
      case 'S': AppendNumber(out, t.second, 2); break;
      default: out += *p; break;  // "%%" and unknown directives give the character
    }
  }
  return out;
}

double DateTime::operator-(const DateTime& other) const {
  return Instant(m_dt) - Instant(other.m_dt);
}

}  // namespace sptdc
