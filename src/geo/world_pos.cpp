#include "geo/world_pos.h"

#include "util/text.h"

namespace sptdc {

namespace {

bool InRange(char c, char first, char last) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= static_cast<unsigned char>(first) && u <= static_cast<unsigned char>(last);
}

}  // namespace

void CWorldPos::Parse(const std::string& text) {
  const std::string s = text::Upper(text);
  m_level = 3;
  // The pairs are tested from the finest to the coarsest; each one passed
  // lowers the level by one from where the text's length started it.
  const std::size_t length = text.size();
  if (length != 6 && length != 4 && length != 2) return;
  if (length == 6) {
    if (!InRange(s[5], 'A', 'X') || !InRange(s[4], 'A', 'X')) return;
    m_level = 2;
  }
  if (length >= 4) {
    if (!InRange(s[3], '0', '9') || !InRange(s[2], '0', '9')) {
      m_level = 3;
      return;
    }
    m_level = static_cast<std::int8_t>(m_level - 1);
  }
  if (!InRange(s[1], 'A', 'R') || !InRange(s[0], 'A', 'R')) {
    m_level = 3;
    return;
  }
  m_level = static_cast<std::int8_t>(m_level - 1);
}

bool LocatorCenter(const std::string& text, double& longitude, double& latitude) {
  std::string copy = text;
  // A square's centre is the corner its four middle subsquares share, so a
  // 4-character locator reads as subsquare MM without the half-subsquare
  // offset that a 6-character one gets.
  bool halfSubsquare = true;
  if (text.size() == 4) {
    copy += "MM";
    halfSubsquare = false;
  }
  copy = text::Upper(copy);
  if (copy.size() != 6) return false;
  auto code = [&copy](std::size_t i) { return static_cast<int>(static_cast<signed char>(copy[i])); };
  const int fieldLon = code(0) - 'A';
  const int fieldLat = code(1) - 'A';
  const int squareLon = code(2) - '0';
  const int squareLat = code(3) - '0';
  const int subLon = code(4) - 'A';
  const int subLat = code(5) - 'A';
  if (fieldLon < 0 || fieldLon > 17 || fieldLat < 0 || fieldLat > 17) return false;
  if (subLon < 0 || subLon > 23 || subLat < 0 || subLat > 23) return false;

  const double halfStep = halfSubsquare ? 1.0 / 48.0 : 0.0;
  double a = static_cast<double>(10 * fieldLon + squareLon) + subLon / 24.0;
  a = a + halfStep;
  double b = static_cast<double>(10 * fieldLat + squareLat) + subLat / 24.0;
  b = b + halfStep;
  longitude = (a + a) - 180.0;
  latitude = b - 90.0;
  return true;
}

}  // namespace sptdc
