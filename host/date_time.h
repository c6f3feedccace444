// Dates as the host reads them: ADIF writes them as YYYYMMDD and HHMM or
// HHMMSS, the command line as YYYY-MM-DD. The plug-in takes them as its
// date-time value, made by the calendar the plug-in itself uses.
#pragma once

#include <string>

#include "sptdc.h"
#include "util/date_time.h"

namespace sptdc::host {

// Valid dates have years 1 to 9999.
bool IsValidDate(const CivilDate& date);

// A valid date and a time of day in seconds (0 to 86399) as the host's
// date-time record, in the valid state (see DateTimeOf).
SptdcDateTime OleDateTime(const CivilDate& date, int secondOfDay);

// "YYYYMMDD" (ADIF QSO_DATE). False unless it is exactly that and valid.
bool ParseAdifDate(const std::string& text, CivilDate* date);

// "HHMM" or "HHMMSS" (ADIF TIME_ON) to seconds since midnight.
bool ParseAdifTime(const std::string& text, int* secondOfDay);

// "YYYY-MM-DD" (the --date option).
bool ParseIsoDate(const std::string& text, CivilDate* date);

// Today in the local time zone.
CivilDate LocalToday();

}  // namespace sptdc::host
