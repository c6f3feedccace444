#include "host/call_check.h"

#include "host/contest_run.h"
#include "host/host_options.h"

namespace sptdc::host {

namespace {

constexpr int kRefused = 4;

}  // namespace

CallCheckAnswer CheckCallAnswer(const EntryPoints& api, const std::string& call, const std::string& band,
                                const std::string& mode) {
  const int verdict = CheckCall(api, call, band, mode);
  if (verdict == 1) return {0, "new"};
  if (verdict == 0) return {1, "dupe"};
  if (verdict != kRefused) return {2, "the unknown verdict " + std::to_string(verdict)};
  const bool bandRefused = CheckCall(api, call, band, kContestMode) == kRefused;
  const bool modeRefused = CheckCall(api, call, kContestBand, mode) == kRefused;
  if (bandRefused && !modeRefused) return {3, "band refused"};
  if (modeRefused && !bandRefused) return {3, "mode refused"};
  return {3, "band and mode refused"};
}

}  // namespace sptdc::host
