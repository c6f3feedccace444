// Reading Maidenhead locators. Two readings with grammars of their own:
// CWorldPos::Parse judges whether a text is a well-formed 2-, 4- or
// 6-character locator; LocatorCenter gives the centre of a 4- or 6-character
// one and, unlike Parse, does not test the digit positions.
#pragma once

#include <cstdint>
#include <string>

namespace sptdc {

class CWorldPos {
 public:
  // Precision found by the last Parse: 0 subsquare (6 characters), 1 square
  // (4), 2 field (2), 3 not a well-formed locator.
  std::int8_t m_level = 3;

  void Parse(const std::string& text);

  bool IsValid() const { return m_level < 3; }
};

// The centre of a 4-character square or a 6-character subsquare, in degrees
// (longitude east positive, latitude north positive). False, leaving both
// outputs untouched, for any other length or a letter out of range.
bool LocatorCenter(const std::string& text, double& longitude, double& latitude);

}  // namespace sptdc
