#include "geo/world_pos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace sptdc {
namespace {

struct ParseCase {
  const char* text;
  int level;
};

TEST(CWorldPosTest, ParseFindsThePrecisionOrRejects) {
  const ParseCase cases[] = {
      {"JO21", 1},   {"jo21", 1}, {"jO21qk", 0}, {"JO21QK", 0},   {"JO21MM", 0},
      {"JO", 2},     {"rr", 2},   {"AA00AA", 0}, {"RR99XX", 0},   {"", 3},
      {"J", 3},      {"JO2", 3},  {"JO21Q", 3},  {"JO21QK55", 3}, {"JS21", 3},
      {"SO21", 3},   {"JO2X", 3}, {"J021", 3},   {"JO21QY", 3},   {"JO21YK", 3},
      {"JO21Q1", 3}, {"21JO", 3}, {"JO 1", 3},   {"\xc1O21", 3},  {"JO2\xb9", 3},
  };
  for (const ParseCase& c : cases) {
    CWorldPos pos;
    pos.Parse(c.text);
    EXPECT_EQ(pos.m_level, c.level) << '"' << c.text << '"';
    EXPECT_EQ(pos.IsValid(), c.level < 3) << c.text;
  }
}

TEST(CWorldPosTest, ParseSetsTheLevelAgainOnEveryCall) {
  CWorldPos pos;
  pos.Parse("JO21QK");
  pos.Parse("JO2");
  EXPECT_EQ(pos.m_level, 3);
  pos.Parse("JO");
  EXPECT_EQ(pos.m_level, 2);
}

struct CenterCase {
  const char* text;
  double longitude;
  double latitude;
};

TEST(LocatorCenterTest, GivesTheCentreOfSquaresAndSubsquares) {
  const CenterCase cases[] = {
      {"JO21", 5.0, 51.5},
      {"jo21", 5.0, 51.5},
      {"JO21QK", 5.375, 51.4375},
      {"JO21MM", 5.0 + 1.0 / 24.0, 51.5 + 1.0 / 48.0},
      {"AA00", -179.0, -89.5},
      {"RR99", 179.0, 89.5},
      {"FN20", -75.0, 40.5},
      // The centre reading does not test the digits: X counts as 40.
      {"JO2X", 5.0, 90.5},
  };
  for (const CenterCase& c : cases) {
    double longitude = 0, latitude = 0;
    ASSERT_TRUE(LocatorCenter(c.text, longitude, latitude)) << c.text;
    EXPECT_NEAR(longitude, c.longitude, 1e-12) << c.text;
    EXPECT_NEAR(latitude, c.latitude, 1e-12) << c.text;
  }
}

TEST(LocatorCenterTest, RefusesWithoutTouchingTheOutputs) {
  const char* const refused[] = {"JO",   "",       "JO2",    "JO21Q",   "JO21QK55", "JS21",
                                 "SO21", "JO21QY", "JO21YK", "\xc1O21", "J@21"};
  for (const char* text : refused) {
    double longitude = 123.0, latitude = -45.0;
    EXPECT_FALSE(LocatorCenter(text, longitude, latitude)) << text;
    EXPECT_EQ(longitude, 123.0) << text;
    EXPECT_EQ(latitude, -45.0) << text;
  }
}

TEST(LocatorCenterTest, SquareCentreIsNotTheCentreOfSubsquareMM) {
  double squareLon, squareLat, subLon, subLat;
  ASSERT_TRUE(LocatorCenter("JO21", squareLon, squareLat));
  ASSERT_TRUE(LocatorCenter("JO21MM", subLon, subLat));
  EXPECT_NE(squareLon, subLon);
  EXPECT_NE(squareLat, subLat);
  // The offset is the double nearest 1/48 added before doubling.
  EXPECT_EQ(subLon, ((10.0 * 9 + 2) + 12 / 24.0 + 1.0 / 48.0) * 2 - 180.0);
}

}  // namespace
}  // namespace sptdc
