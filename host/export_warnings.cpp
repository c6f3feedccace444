#include "host/export_warnings.h"

#include <cstddef>

namespace sptdc::host {

namespace {

// Names the first few records, so that a long log gives short lines.
constexpr std::size_t kRecordsNamed = 10;

struct Fault {
  const char* what;
  bool (*applies)(const QsoFields&);
};

const Fault kFaults[] = {
    {"without a frequency, written as 0 kHz", [](const QsoFields& q) { return q.frequencyHz < 1000; }},
    {"with a date or time that cannot be read, written as \"Invalid DateTime\" or empty",
     [](const QsoFields& q) { return q.time.status != SPTDC_TIME_VALID; }},
    {"with a mode other than \"CW\", written as \"??\"", [](const QsoFields& q) { return q.mode != "CW"; }},
};

}  // namespace

std::vector<std::string> ExportWarnings(const std::vector<QsoFields>& qsos, const std::vector<bool>& stored,
                                        const std::string& stationCall) {
  std::vector<std::string> warnings;
  if (stationCall.find_first_not_of(" \t") == std::string::npos) {
    warnings.push_back(
        "no station call (--station, STATION_CALLSIGN or OPERATOR): every QSO line has an empty own call "
        "unless CALLSIGN is filled in in the header");
  }
  for (const Fault& fault : kFaults) {
    std::size_t count = 0;
    std::string records;
    for (std::size_t i = 0; i < qsos.size() && i < stored.size(); ++i) {
      if (!stored[i] || !fault.applies(qsos[i])) continue;
      if (++count <= kRecordsNamed) records += (count == 1 ? "" : ", ") + std::to_string(i + 1);
    }
    if (count == 0) continue;
    if (count > kRecordsNamed) records += ", ...";
    warnings.push_back(std::to_string(count) + (count == 1 ? " QSO line " : " QSO lines ") + fault.what +
                       " (record" + (count == 1 ? " " : "s ") + records + "); a log-checking robot refuses " +
                       (count == 1 ? "it" : "them"));
  }
  return warnings;
}

}  // namespace sptdc::host
