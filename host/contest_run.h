// contest_run.h - the host's side of a contest run: what it passes to the
// plug-in, in the order the logging program uses.
#ifndef SPTDC_HOST_CONTEST_RUN_H
#define SPTDC_HOST_CONTEST_RUN_H

#include <cstddef>
#include <string>
#include <vector>

#include "adif_reader.h"
#include "date_time.h"
#include "plugin.h"
#include "qso_fields.h"

namespace sptdc_host {

struct RunSettings {
  std::string stationCall;
  CivilDate runDate;
  bool cabrilloExport = false;
};

// The run's station is stationOption, else STATION_CALLSIGN or OPERATOR of
// the first record; its date is dateOption when not null, else the first
// record's QSO_DATE when valid, else today.
RunSettings MakeRunSettings(const std::string& stationOption, const CivilDate* dateOption,
                            const std::vector<AdifRecord>& records, bool cabrilloExport);

struct RunCounts {
  size_t read = 0;
  size_t stored = 0;    // AddData0 said 1: counted QSOs and dupes
  size_t rejected = 0;  // AddData0 said 0
};

// Starts the run with ResetStats0 (which shows the header dialog in an
// export run) and hands every QSO to AddData0 in log order.
RunCounts PassLog(const PluginApi& api, const RunSettings& settings,
                  const std::vector<QsoFields>& qsos);

// The rejection report that ResetStats0 creates for this run date.
std::string ReportFileName(const CivilDate& runDate);

// GetResult0's text (in an export run this also writes the Cabrillo file),
// with each CR LF turned into "\n".
std::string ScoreText(const PluginApi& api);

// CheckCall0 for one call, band and mode, and its verdict in words (null
// for a verdict the plug-in does not give).
int CheckCall(const PluginApi& api, const std::string& call, const std::string& band,
              const std::string& mode);
const char* CheckVerdictWords(int verdict);

// IsValidExchg0 for the host's single exchange field.
bool IsValidGrid(const PluginApi& api, const std::string& text);

}  // namespace sptdc_host

#endif
