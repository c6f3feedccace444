#include "date_time.h"

#include <cstdint>
#include <ctime>

namespace sptdc_host {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1 January 1970 to the date, counted in 400-year eras of 146097
// days with each year starting in March, so that the leap day comes last.
int64_t DaysFromUnixEpoch(const CivilDate& date) {
  const int64_t y = date.year - (date.month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// 1 January 1970 is day 25569 of the OLE Automation calendar.
constexpr int64_t kUnixEpochOleDay = 25569;

// The number written by count decimal digits at text[at], or -1.
int Digits(const std::string& text, size_t at, size_t count) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool IsValidDate(const CivilDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

SptdcDateTime OleDateTime(const CivilDate& date, int secondOfDay) {
  const int64_t day = DaysFromUnixEpoch(date) + kUnixEpochOleDay;
  const double fraction = secondOfDay / 86400.0;
  SptdcDateTime value;
  value.date = day < 0 ? double(day) - fraction : double(day) + fraction;
  value.status = SPTDC_TIME_VALID;
  return value;
}

bool ParseAdifDate(const std::string& text, CivilDate* date) {
  if (text.size() != 8) return false;
  const CivilDate parsed{Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2)};
  if (!IsValidDate(parsed)) return false;
  *date = parsed;
  return true;
}

bool ParseAdifTime(const std::string& text, int* secondOfDay) {
  if (text.size() != 4 && text.size() != 6) return false;
  const int hour = Digits(text, 0, 2);
  const int minute = Digits(text, 2, 2);
  const int second = text.size() == 6 ? Digits(text, 4, 2) : 0;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return false;
  *secondOfDay = hour * 3600 + minute * 60 + second;
  return true;
}

bool ParseIsoDate(const std::string& text, CivilDate* date) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const CivilDate parsed{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2)};
  if (!IsValidDate(parsed)) return false;
  *date = parsed;
  return true;
}

CivilDate LocalToday() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return CivilDate{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

}  // namespace sptdc_host
