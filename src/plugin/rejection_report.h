// The day's rejection report: a text file in the current directory named
// after the run date, which every rejected QSO and every dupe adds a line to.
// The host program names it too, so the name is made in one place.
#pragma once

#include <string>

#include "util/date_time.h"

namespace sptdc {

// "StatsSPTDC_dd_mm_yyyy.txt" for the run's date.
std::string RejectionReportName(const DateTime& runTime);

// The report's first line, CR LF included.
extern const char kRejectionReportHeader[];

}  // namespace sptdc
