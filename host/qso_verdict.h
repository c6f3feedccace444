// qso_verdict.h - what the plug-in decided about each QSO of a run.
//
// AddData0 says only stored or not; the reason of a rejection and a dupe are
// in the lines it adds to the rejection report, so the host reads the lines
// each QSO added and keeps the plug-in's own words.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace sptdc::host {

struct QsoVerdict {
  enum Kind { kCounted, kDupe, kRejected, kNoCall };
  Kind kind = kCounted;
  std::string reason;  // kRejected: the report's message, "NO CONTEST BAND !!!"
};

// The verdict of one AddData0 call from its result and the report lines it
// wrote. A stored QSO without a call is kept but never counted.
QsoVerdict VerdictOf(bool stored, const std::string& call, const std::string& reportLines);

// The verdict as a word or the reason: "counted", "dupe", "no call", or the
// rejection's message.
std::string VerdictText(const QsoVerdict& verdict);

struct VerdictCounts {
  std::size_t counted = 0;
  std::size_t dupes = 0;
  std::size_t noCall = 0;
  std::size_t rejected = 0;
  // Rejections per reason, in the order the reasons first came.
  std::vector<std::pair<std::string, std::size_t>> reasons;
};

VerdictCounts CountVerdicts(const std::vector<QsoVerdict>& verdicts);

}  // namespace sptdc::host
