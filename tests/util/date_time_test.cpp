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

}  // namespace
}  // namespace sptdc
