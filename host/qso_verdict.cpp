#include "host/qso_verdict.h"

#include <algorithm>

namespace sptdc::host {

namespace {

// A report line ends in its message, which begins with three spaces; the
// fields before it are separated by two.
std::string MessageOf(const std::string& line) {
  std::string text = line;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const std::size_t start = text.rfind("   ");
  return start == std::string::npos ? text : text.substr(start + 3);
}

}  // namespace

QsoVerdict VerdictOf(bool stored, const std::string& call, const std::string& reportLines) {
  QsoVerdict verdict;
  if (!stored) {
    verdict.kind = QsoVerdict::kRejected;
    verdict.reason = MessageOf(reportLines.substr(0, reportLines.find('\n')));
    if (verdict.reason.empty()) verdict.reason = "rejected (no report line)";
  } else if (!reportLines.empty()) {
    verdict.kind = QsoVerdict::kDupe;
  } else if (call.empty()) {
    verdict.kind = QsoVerdict::kNoCall;
  }
  return verdict;
}

std::string VerdictText(const QsoVerdict& verdict) {
  switch (verdict.kind) {
    case QsoVerdict::kCounted:
      return "counted";
    case QsoVerdict::kDupe:
      return "dupe";
    case QsoVerdict::kNoCall:
      return "no call";
    case QsoVerdict::kRejected:
      break;
  }
  return verdict.reason;
}

VerdictCounts CountVerdicts(const std::vector<QsoVerdict>& verdicts) {
  VerdictCounts counts;
  for (const QsoVerdict& verdict : verdicts) {
    switch (verdict.kind) {
      case QsoVerdict::kCounted:
        ++counts.counted;
        break;
      case QsoVerdict::kDupe:
        ++counts.dupes;
        break;
      case QsoVerdict::kNoCall:
        ++counts.noCall;
        break;
      case QsoVerdict::kRejected: {
        ++counts.rejected;
        auto found = std::find_if(counts.reasons.begin(), counts.reasons.end(),
                                  [&](const auto& entry) { return entry.first == verdict.reason; });
        if (found == counts.reasons.end()) {
          counts.reasons.emplace_back(verdict.reason, 1);
        } else {
          ++found->second;
        }
        break;
      }
    }
  }
  return counts;
}

}  // namespace sptdc::host
