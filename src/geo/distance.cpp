#include "geo/distance.h"

#include <cmath>

#include "geo/world_pos.h"

namespace sptdc {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kEarthRadiusKm = 6378.16;

}  // namespace

double DegToRad(double degrees) { return (degrees * kPi) / 180.0; }

double GreatCircleDistance(double longitude1, double latitude1, double longitude2, double latitude2) {
  const double phi1 = DegToRad(latitude1);
  const double phi2 = DegToRad(latitude2);
  const double delta = DegToRad(longitude1 - longitude2);
  const double c = (std::cos(phi1) * std::cos(phi2)) * std::cos(delta);
  const double s = std::sin(phi1) * std::sin(phi2);
  return std::acos(s + c) * kEarthRadiusKm;
}

double LocatorDistance(const std::string& a, const std::string& b) {
  double longitudeA, latitudeA, longitudeB, latitudeB;
  if (!LocatorCenter(a, longitudeA, latitudeA)) return -1.0;
  if (!LocatorCenter(b, longitudeB, latitudeB)) return -1.0;
  const double d = GreatCircleDistance(longitudeA, latitudeA, longitudeB, latitudeB);
  return std::trunc(d + 0.5);
}

int QsoPoints(double distanceKm) {
  // Written so that NaN, which compares false, takes the 1-point branch.
  if (!(distanceKm >= 500.0)) return 1;
  return static_cast<int>(distanceKm / 500.0 + 1.0);
}

}  // namespace sptdc
