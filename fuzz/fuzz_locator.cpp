// The two readings of a locator text, the distance between two texts and
// the points it earns. The input is split into the two texts at its first
// NUL byte (a text without one is read against itself), so each text may
// hold any other byte. Besides "no crash and no undefined behaviour" it
// holds the readings to what every caller relies on.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "geo/distance.h"
#include "geo/world_pos.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// A well-formed 4- or 6-character locator has a centre on the globe.
void CheckCentre(const std::string& text) {
  sptdc::CWorldPos pos;
  pos.Parse(text);
  Require(pos.m_level >= 0 && pos.m_level <= 3);
  double longitude = 1000.0, latitude = 1000.0;
  const bool centred = sptdc::LocatorCenter(text, longitude, latitude);
  if (!centred) Require(longitude == 1000.0 && latitude == 1000.0);  // outputs untouched
  if (pos.m_level <= 1) {
    Require(centred);
    Require(longitude > -180.0 && longitude < 180.0 && latitude > -90.0 && latitude < 90.0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string a = input.substr(0, nul);
  const std::string b = nul == std::string::npos ? a : input.substr(nul + 1);

  CheckCentre(a);
  CheckCentre(b);

  const double ab = sptdc::LocatorDistance(a, b);
  const double ba = sptdc::LocatorDistance(b, a);
  // The distance does not depend on the order of the two texts, and it is
  // -1, NaN or a whole number of kilometres up to half the circumference.
  Require((std::isnan(ab) && std::isnan(ba)) || ab == ba);
  if (!std::isnan(ab)) Require(ab == -1.0 || (ab >= 0.0 && ab <= 20038.0 && ab == std::trunc(ab)));

  const int points = sptdc::QsoPoints(ab);
  Require(points >= 1 && points <= 41);
  return 0;
}
