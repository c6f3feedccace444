// Text comparison, case folding and search in the process code page.
//
// Every place that compares, upper-cases or searches a text goes through
// these functions, so the plug-in behaves alike wherever it compares: the
// dupe scans, the band list, the rule lists, the band row sort and the
// locator readings. On Windows they use the C runtime's multibyte functions
// of the process code page; elsewhere bytes compare as unsigned and only
// ASCII letters fold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sptdc::text {

// Case-sensitive ordering: negative, zero or positive like strcmp.
int Compare(const std::string& a, const std::string& b);

inline bool Equal(const std::string& a, const std::string& b) { return Compare(a, b) == 0; }

// The bytes that Compare reads: the whole text, or on Windows the text up to
// its first NUL (texts from the host hold none).
std::string_view ComparedBytes(const std::string& text);

// True when Equal(a, b) holds exactly when ComparedBytes(a) and
// ComparedBytes(b) are the same bytes, so equal texts can be found by their
// bytes (a hash). False on Windows while the process code page is a
// double-byte one: there a lead byte takes the next byte into its character,
// even the NUL at the end of a text, so texts of the same bytes can compare
// unequal and texts of different bytes equal.
bool EqualIsByteEquality();

// Equality that ignores letter case.
bool EqualNoCase(const std::string& a, const std::string& b);

// A copy of the text with its letters in upper case.
std::string Upper(const std::string& text);

// Position of the first occurrence of needle in text at or after from, or
// std::string::npos. The needle is never empty.
std::size_t Find(const std::string& text, const std::string& needle, std::size_t from);

}  // namespace sptdc::text
