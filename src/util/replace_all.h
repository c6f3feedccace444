// Text replacement for the soapbox's three forms and the file base name.
#pragma once

#include <string>

namespace sptdc {

// A copy of text in which every occurrence of search (never empty) is
// replaced, left to right; replacements are not searched again and
// occurrences do not overlap. Search and replacement that are the same text
// return the text unchanged.
std::string ReplaceAll(const std::string& text, const std::string& search, const std::string& replacement);

}  // namespace sptdc
