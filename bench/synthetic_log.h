// A contest log made up for the benchmarks: every QSO counts (160m, CW, two
// valid locators), each with a callsign of its own, 20 seconds apart from
// 27 December 2008 21:00, the received locators spread over the globe (one
// in four with a subsquare). Optionally every 50th QSO repeats an earlier
// callsign (a dupe, which writes a report line) and every 100th has a
// received locator that is not valid (rejected, one line).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "support/host_calls.h"

namespace sptdc::bench {

class SyntheticLog {
 public:
  enum Mix { kAllCount, kWithDupesAndRejects };

  // QSOs numbered from first to first + count - 1; the number names the
  // callsign, so logs with different first numbers share no callsign.
  SyntheticLog(int count, Mix mix = kAllCount, int first = 0);
  SyntheticLog(const SyntheticLog&) = delete;
  SyntheticLog& operator=(const SyntheticLog&) = delete;

  const std::vector<testing::HostQso>& qsos() const { return qsos_; }

  // The log as an ADI file, as a logger exports it for the host program.
  std::string Adif() const;

 private:
  const char* Keep(std::string text);

  std::deque<std::string> texts_;  // owns the texts that qsos_ points to
  std::vector<testing::HostQso> qsos_;
};

}  // namespace sptdc::bench
