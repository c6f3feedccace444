#include "host/log_warnings.h"

#include "host/frequency.h"
#include "util/date_time.h"
#include "util/format.h"

namespace sptdc::host {

namespace {

// The contest lasts this many days.
constexpr double kContestDays = 1.0;

std::string TimeText(const SptdcDateTime& time) {
  return DateTime{time.date, time.status}.Format("%Y-%m-%d %H%M");
}

}  // namespace

std::vector<std::string> LogWarnings(const std::vector<QsoFields>& qsos, const std::string& stationCall) {
  std::vector<std::string> warnings;
  if (qsos.empty()) warnings.push_back("the log holds no QSO");
  if (stationCall.empty()) {
    warnings.push_back(
        "no own call: no STATION_CALLSIGN, OPERATOR or CALLSIGN: in the log, and no --station");
  }
  const SptdcDateTime* first = nullptr;
  const SptdcDateTime* last = nullptr;
  for (const QsoFields& qso : qsos) {
    if (qso.time.status != SPTDC_TIME_VALID) continue;
    if (!first || qso.time.date < first->date) first = &qso.time;
    if (!last || qso.time.date > last->date) last = &qso.time;
  }
  if (first && last->date - first->date > kContestDays) {
    warnings.push_back(Format("the log spans more than the contest's 24 hours: %s to %s",
                              TimeText(*first).c_str(), TimeText(*last).c_str()));
  }
  for (const QsoFields& qso : qsos) {
    if (qso.frequencyHz == 0 || qso.band.empty() || AdifBandOf(qso.frequencyHz) == qso.band) continue;
    const std::string where = qso.call + " at " + TimeText(qso.time);
    warnings.push_back(Format("%s: FREQ %u kHz is outside the band %s", where.c_str(),
                              unsigned(qso.frequencyHz / 1000), qso.band.c_str()));
  }
  return warnings;
}

}  // namespace sptdc::host
