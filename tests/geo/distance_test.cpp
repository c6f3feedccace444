#include "geo/distance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sptdc {
namespace {

struct DistanceCase {
  const char* a;
  const char* b;
  double km;
  int points;
};

TEST(LocatorDistanceTest, WholeKilometresAndPoints) {
  const DistanceCase cases[] = {
      {"JO21", "JO22", 111, 1},   {"JO21", "JN59", 479, 1},
      {"JO21", "JO05", 518, 2},   {"FN20", "JO21", 5990, 12},
      {"JO21", "FN20", 5990, 12}, {"JO21", "JO21MM", 4, 1},
      {"JO21", "JO", -1, 1},      {"JO", "JO21", -1, 1},
      {"JO21", "", -1, 1},        {"", "", -1, 1},
  };
  for (const DistanceCase& c : cases) {
    const double km = LocatorDistance(c.a, c.b);
    EXPECT_EQ(km, c.km) << c.a << "-" << c.b;
    EXPECT_EQ(QsoPoints(km), c.points) << c.a << "-" << c.b;
  }
}

TEST(LocatorDistanceTest, ALocatorToItselfEarnsOnePoint) {
  const char* const locators[] = {"JO21", "jo21", "AA00", "RR99", "FN20", "JO21QK", "KP20"};
  for (const char* loc : locators) {
    const double km = LocatorDistance(loc, loc);
    // Zero, or undefined where rounding carries the cosine past 1.
    EXPECT_TRUE(km == 0.0 || std::isnan(km)) << loc << ": " << km;
    EXPECT_EQ(QsoPoints(km), 1) << loc;
  }
  EXPECT_EQ(QsoPoints(LocatorDistance("JO21", "jo21")), 1);
}

TEST(LocatorDistanceTest, DigitsAreNotTestedForTheCentre) {
  // A non-digit in the square positions still has a centre and a distance.
  EXPECT_GT(LocatorDistance("JO2X", "JO21"), 0.0);
}

TEST(GreatCircleDistanceTest, HalfTheCircumferenceIsTheLongest) {
  const double half = GreatCircleDistance(0.0, 0.0, 180.0, 0.0);
  EXPECT_NEAR(half, 3.141592653589793 * 6378.16, 1e-6);
  EXPECT_EQ(std::trunc(half + 0.5), 20038.0);
  EXPECT_EQ(QsoPoints(20038.0), 41);
}

TEST(QsoPointsTest, OnePointPerStarted500Km) {
  const struct {
    double km;
    int points;
  } cases[] = {{-1.0, 1},
               {0.0, 1},
               {499.0, 1},
               {499.99, 1},
               {500.0, 2},
               {999.0, 2},
               {1000.0, 3},
               {1499.0, 3},
               {1500.0, 4},
               {20038.0, 41},
               {std::numeric_limits<double>::quiet_NaN(), 1}};
  for (const auto& c : cases) EXPECT_EQ(QsoPoints(c.km), c.points) << c.km;
}

}  // namespace
}  // namespace sptdc
