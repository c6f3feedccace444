// log_format.h - which kind of log a text is, judged from its first bytes,
// whatever the file's name.
#pragma once

#include <string>

namespace sptdc::host {

enum class LogFormat { kAdif, kCabrillo, kUnknown };

// The format of a log whose text begins with head. For kUnknown, *lookalike
// says what the text seems to be instead ("a binary file", ...), or stays
// empty.
LogFormat DetectLogFormat(const std::string& head, std::string* lookalike);

}  // namespace sptdc::host
