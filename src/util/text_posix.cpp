// Text functions for single-byte code pages: bytes compare as unsigned and
// only the ASCII letters have a case.
#include "util/ascii.h"
#include "util/text.h"

namespace sptdc::text {

int Compare(const std::string& a, const std::string& b) {
  // std::string::compare uses char_traits<char>, which compares as unsigned char.
  return a.compare(b);
}

std::string_view ComparedBytes(const std::string& text) { return text; }

bool EqualIsByteEquality() { return true; }

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::string Upper(const std::string& text) { return UpperAscii(text); }

std::size_t Find(const std::string& text, const std::string& needle, std::size_t from) {
  return text.find(needle, from);
}

}  // namespace sptdc::text
