// Text functions for single-byte code pages: bytes compare as unsigned and
// only the ASCII letters have a case.
#include "platform/text.h"

#include <cstring>

namespace sptdc::text {

namespace {

unsigned char FoldAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

}  // namespace

int Compare(const std::string& a, const std::string& b) {
  // std::string::compare uses char_traits<char>, which compares as unsigned char.
  return a.compare(b);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(static_cast<unsigned char>(a[i])) != FoldAscii(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

std::string Upper(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
  return upper;
}

std::size_t Find(const std::string& text, const std::string& needle, std::size_t from) {
  return text.find(needle, from);
}

}  // namespace sptdc::text
