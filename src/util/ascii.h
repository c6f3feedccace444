// Character classes of ASCII, whatever the locale and the code page: the
// formats the plug-in and the host read (settings, locators, ADIF, dates)
// are defined in ASCII.
#pragma once

#include <string>

namespace sptdc {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// A space or a tab.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// A blank, CR, LF, vertical tab or form feed.
inline bool IsAsciiWhiteSpace(char c) {
  return IsBlank(c) || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
std::string UpperAscii(const std::string& text);

}  // namespace sptdc
