// What the current contest run remembers, from one ResetStats0 to the next.
#pragma once

#include <string>

namespace sptdc {

struct RunState {
  std::string StationCall;     // printed after "Contestant: "
  std::string RunDate;         // the run's date as "%d.%m.%Y"
  std::string ReportFileName;  // the day's rejection report; empty before the first run
  int CabrilloRequested = 0;   // non-zero: GetResult0 exports instead of showing rates
};

}  // namespace sptdc
