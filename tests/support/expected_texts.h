// What the tests expect the plug-in to write, where several tests expect
// the same, and the date-time they build their QSOs around.
#pragma once

#include <string>

namespace sptdc::testing {

// The first line of every rejection report.
constexpr char kReportHeader[] = "Stew Perry Topband Distance Challenge TEST UBN file \r\n";

// 27 December 2008, the night of a contest, at hh:mm:ss, as a day count.
inline double ContestNight(int hour, int minute, int second = 0) {
  return 39809.0 + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

}  // namespace sptdc::testing
