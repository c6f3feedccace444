#include "host/date_time.h"

#include <ctime>

#include "util/ascii.h"

namespace sptdc::host {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The number written by count decimal digits at text[at], or -1.
int Digits(const std::string& text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (i >= text.size() || !IsAsciiDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool IsValidDate(const CivilDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= DaysInMonth(date.year, date.month);
}

SptdcDateTime OleDateTime(const CivilDate& date, int secondOfDay) {
  const DateTime value = DateTimeOf(date, secondOfDay);
  return SptdcDateTime{value.days, value.status};
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

}  // namespace sptdc::host
