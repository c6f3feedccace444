// Text functions of the process code page, through the C runtime's multibyte
// string functions, so double-byte characters compare, fold and are searched
// as units.
#include "util/text.h"

#include <mbctype.h>
#include <mbstring.h>

#include <vector>

namespace sptdc::text {

namespace {

const unsigned char* Bytes(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.c_str()); }

}  // namespace

int Compare(const std::string& a, const std::string& b) { return _mbscmp(Bytes(a), Bytes(b)); }

std::string_view ComparedBytes(const std::string& text) { return text.c_str(); }

bool EqualIsByteEquality() {
  // _mbscmp compares byte by byte unless the multibyte code page has lead
  // bytes. The answer is kept for the code page it was found for, since the
  // process may change its code page while the plug-in is loaded.
  static int checkedCodePage = -1;
  static bool noLeadBytes = true;
  const int codePage = _getmbcp();
  if (codePage != checkedCodePage) {
    noLeadBytes = true;
    for (int byte = 1; byte <= 0xFF; ++byte) {
      if (_ismbblead(static_cast<unsigned int>(byte))) noLeadBytes = false;
    }
    checkedCodePage = codePage;
  }
  return noLeadBytes;
}

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
