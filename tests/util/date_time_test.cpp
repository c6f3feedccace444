#include "util/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sptdc {
namespace {

DateTime Value(double days, std::int32_t status = DateTime::kValid) {
  DateTime t;
  t.days = days;
  t.status = status;
  return t;
}

TEST(DateTimeTest, FormatsTheCalendarTime) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double days;
    std::int32_t status;
    const char* pattern;
    const char* text;
  } cases[] = {
      {39809.875, DateTime::kValid, "%Y-%m-%d %H%M", "2008-12-27 2100"},
      {39818.0, DateTime::kValid, "%d.%m.%Y", "05.01.2009"},
      {39818.0, DateTime::kValid, "%d_%m_%Y", "05_01_2009"},
      {0.0, DateTime::kValid, "%Y-%m-%d %H:%M:%S", "1899-12-30 00:00:00"},
      {-1.25, DateTime::kValid, "%Y-%m-%d %H%M", "1899-12-29 0600"},
      {-0.5, DateTime::kValid, "%Y-%m-%d %H%M", "1899-12-30 1200"},
      {-657434.0, DateTime::kValid, "%d.%m.%Y", "01.01.0100"},
      {2958465.99999, DateTime::kValid, "%d.%m.%Y %H:%M:%S", "31.12.9999 23:59:59"},
      {60.0, DateTime::kValid, "%d.%m.%Y", "28.02.1900"},
      {61.0, DateTime::kValid, "%d.%m.%Y", "01.03.1900"},
      {36585.0, DateTime::kValid, "%d.%m.%Y", "29.02.2000"},
      // To the nearest second, away from zero on both sides of day 0.
      {39809.0 + 59.6 / 86400.0, DateTime::kValid, "%H:%M:%S", "00:01:00"},
      {39809.0 + (20 * 3600 - 1e-4) / 86400.0, DateTime::kValid, "%H%M", "2000"},
      {39809.0 + 59.4 / 86400.0, DateTime::kValid, "%H:%M:%S", "00:00:59"},
      {39809.0 - 0.4 / 86400.0, DateTime::kValid, "%d %H:%M:%S", "27 00:00:00"},
      {39809.0 - 0.6 / 86400.0, DateTime::kValid, "%d %H:%M:%S", "26 23:59:59"},
      {1.0, DateTime::kValid, "100%% %Y", "100% 1899"},
      {39809.0, DateTime::kNull, "%d.%m.%Y", ""},
      {39809.0, DateTime::kInvalid, "%d.%m.%Y", "Invalid DateTime"},
      {39809.0, 7, "%d.%m.%Y", "Invalid DateTime"},
      {-657434.5, DateTime::kValid, "%d.%m.%Y", "Invalid DateTime"},
      {2958466.0, DateTime::kValid, "%d.%m.%Y", "Invalid DateTime"},
      {inf, DateTime::kValid, "%d.%m.%Y", "Invalid DateTime"},
      {-inf, DateTime::kValid, "%d.%m.%Y", "Invalid DateTime"},
      {std::nan(""), DateTime::kValid, "%d.%m.%Y", "Invalid DateTime"},
      {1e300, DateTime::kValid, "%d.%m.%Y", "Invalid DateTime"},
      {std::nan(""), DateTime::kNull, "%d.%m.%Y", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Value(c.days, c.status).Format(c.pattern), c.text) << c.days << " " << c.status;
}

TEST(DateTimeTest, DifferenceIsBetweenInstantsAndIgnoresStatus) {
  EXPECT_DOUBLE_EQ(Value(0.0) - Value(-1.25), 0.75);
  EXPECT_DOUBLE_EQ(Value(-1.25) - Value(0.0), -0.75);
  EXPECT_DOUBLE_EQ(Value(39809.5) - Value(39809.25), 0.25);
  EXPECT_DOUBLE_EQ(Value(39809.5, DateTime::kNull) - Value(39809.25, DateTime::kInvalid), 0.25);
  EXPECT_DOUBLE_EQ(Value(-0.5) - Value(0.0), 0.5);  // -0.5 is 12:00 on day 0
}

TEST(CalendarTest, KnownDaysInBothDirections) {
  const struct {
    CivilDate date;
    std::int64_t day;
  } cases[] = {
      {{1899, 12, 30}, 0},       {{1899, 12, 29}, -1},   {{1900, 1, 1}, 2},        {{1900, 3, 1}, 61},
      {{1970, 1, 1}, 25569},     {{2000, 2, 29}, 36585}, {{2008, 12, 27}, 39809},  {{100, 1, 1}, -657434},
      {{9999, 12, 31}, 2958465}, {{1, 1, 1}, -693593},   {{1600, 2, 29}, -109512},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DayNumber(c.date), c.day) << c.day;
    EXPECT_EQ(DateOfDay(c.day), c.date) << c.day;
  }
}

TEST(CalendarTest, EveryDayFromYearOneTo9999RoundTrips) {
  CivilDate expected{1, 1, 1};
  for (std::int64_t day = DayNumber(expected); day <= DayNumber({9999, 12, 31}); ++day) {
    const CivilDate date = DateOfDay(day);
    ASSERT_EQ(date, expected) << day;
    ASSERT_EQ(DayNumber(date), day);
    // The next date by counting, so the walk checks month and leap-year lengths too.
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    expected = date;
    if (++expected.day > lengths[date.month - 1]) {
      expected.day = 1;
      if (++expected.month > 12) {
        expected.month = 1;
        ++expected.year;
      }
    }
  }
}

TEST(CalendarTest, DateTimeOfFormatsBackToItsDateAndTime) {
  const struct {
    CivilDate date;
    int second;
    double days;
    const char* text;
  } cases[] = {
      {{2008, 12, 27}, 21 * 3600, 39809.875, "2008-12-27 21:00:00"},
      {{1899, 12, 30}, 0, 0.0, "1899-12-30 00:00:00"},
      {{1899, 12, 29}, 6 * 3600, -1.25, "1899-12-29 06:00:00"},
      {{9999, 12, 31}, 86399, 2958465.0 + 86399 / 86400.0, "9999-12-31 23:59:59"},
  };
  for (const auto& c : cases) {
    const DateTime value = DateTimeOf(c.date, c.second);
    EXPECT_DOUBLE_EQ(value.days, c.days) << c.text;
    EXPECT_EQ(value.status, DateTime::kValid);
    EXPECT_EQ(value.Format("%Y-%m-%d %H:%M:%S"), c.text);
  }
}

}  // namespace
}  // namespace sptdc
