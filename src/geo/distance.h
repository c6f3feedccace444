// Great-circle distance between locators and the points it earns.
#pragma once

#include <string>

namespace sptdc {

double DegToRad(double degrees);

// Spherical law of cosines on a sphere of radius 6378.16 km; degrees in,
// kilometres out. Not clamped: where rounding carries the cosine past -1 or
// 1 the result is NaN.
double GreatCircleDistance(double longitude1, double latitude1, double longitude2, double latitude2);

// Distance between the centres of two locators in whole kilometres (halves
// up), -1.0 when either has no centre, NaN when the formula has no value.
double LocatorDistance(const std::string& a, const std::string& b);

// Points for a locator distance: one per started 500 km; 1 for anything
// below 500 km, for -1 and for NaN.
int QsoPoints(double distanceKm);

}  // namespace sptdc
