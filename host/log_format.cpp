#include "host/log_format.h"

#include "host/cabrillo_reader.h"
#include "util/ascii.h"

namespace sptdc::host {

namespace {

// An ADIF tag: "<", a name of letters, digits and underscores, ":" and a digit.
bool HasAdifTag(const std::string& head) {
  for (std::size_t at = head.find('<'); at != std::string::npos; at = head.find('<', at + 1)) {
    std::size_t end = at + 1;
    while (end < head.size() && (IsAsciiLetter(head[end]) || IsAsciiDigit(head[end]) || head[end] == '_')) {
      ++end;
    }
    if (end > at + 1 && end + 1 < head.size() && head[end] == ':' && IsAsciiDigit(head[end + 1])) return true;
  }
  return false;
}

bool HasLineStarting(const std::string& head, const std::string& upperStart) {
  std::size_t at = 0;
  for (;;) {
    if (UpperAscii(head.substr(at, upperStart.size())) == upperStart) return true;
    at = head.find('\n', at);
    if (at == std::string::npos) return false;
    ++at;
  }
}

}  // namespace

LogFormat DetectLogFormat(const std::string& head, std::string* lookalike) {
  lookalike->clear();
  // No text holds a NUL byte.
  if (head.find('\0') != std::string::npos) {
    *lookalike = "a binary file, not a text";
    return LogFormat::kUnknown;
  }
  if (LooksLikeCabrillo(head)) return LogFormat::kCabrillo;
  std::size_t first = head.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (first < head.size() && IsAsciiWhiteSpace(head[first])) ++first;
  const std::string upper = UpperAscii(head);
  if (first == head.size() || head[first] == '<' || upper.find("<EOH>") != std::string::npos ||
      HasAdifTag(head)) {
    return LogFormat::kAdif;
  }
  if (HasLineStarting(head, "QSO:")) {
    *lookalike = "Cabrillo without its START-OF-LOG: line";
  } else if (head.find(',') < head.find('\n') || head.find(';') < head.find('\n')) {
    *lookalike = "a CSV table";
  }
  return LogFormat::kUnknown;
}

}  // namespace sptdc::host
