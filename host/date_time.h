// date_time.h - calendar dates and the plug-in's date-time value.
//
// The plug-in takes dates as OLE Automation dates: days since 30 December
// 1899 00:00 with the time of day as the fraction. ADIF writes them as
// YYYYMMDD and HHMM or HHMMSS, the command line as YYYY-MM-DD.
#ifndef SPTDC_HOST_DATE_TIME_H
#define SPTDC_HOST_DATE_TIME_H

#include <string>

#include "sptdc.h"

namespace sptdc_host {

// A proleptic Gregorian date; valid ones have years 1 to 9999.
struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

bool IsValidDate(const CivilDate& date);

// A valid date and a time of day in seconds (0 to 86399) as the plug-in's
// value, in the valid state. Before the epoch the fraction counts backwards
// from the day, as OLE dates do: -1.25 is 29 December 1899 06:00.
SptdcDateTime OleDateTime(const CivilDate& date, int secondOfDay);

// "YYYYMMDD" (ADIF QSO_DATE). False unless it is exactly that and valid.
bool ParseAdifDate(const std::string& text, CivilDate* date);

// "HHMM" or "HHMMSS" (ADIF TIME_ON) to seconds since midnight.
bool ParseAdifTime(const std::string& text, int* secondOfDay);

// "YYYY-MM-DD" (the --date option).
bool ParseIsoDate(const std::string& text, CivilDate* date);

// Today in the local time zone.
CivilDate LocalToday();

}  // namespace sptdc_host

#endif
