// Text functions of the process code page, through the C runtime's multibyte
// string functions, so double-byte characters compare, fold and are searched
// as units.
#include "util/text.h"

#include <mbstring.h>

#include <vector>

namespace sptdc::text {

namespace {

const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.c_str()); }

}  // namespace

int Compare(const std::string& a, const std::string& b) { return _mbscmp(Bytes(a), Bytes(b)); }

bool EqualNoCase(const std::string& a, const std::string& b) { return _mbsicmp(Bytes(a), Bytes(b)) == 0; }

std::string Upper(const std::string& text) {
  std::vector<unsigned char> buffer(text.begin(), text.end());
  buffer.push_back(0);
  _mbsupr(buffer.data());
  return std::string(reinterpret_cast<const char*>(buffer.data()));
}

std::size_t Find(const std::string& text, const std::string& needle, std::size_t from) {
  if (from > text.size()) return std::string::npos;
  const unsigned char* start = Bytes(text) + from;
  const unsigned char* hit = _mbsstr(start, Bytes(needle));
  return hit ? from + static_cast<std::size_t>(hit - start) : std::string::npos;
}

}  // namespace sptdc::text
