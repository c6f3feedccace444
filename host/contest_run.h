// contest_run.h - the host's side of a contest run: what it passes to the
// plug-in, in the order the logging program uses.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/adif_reader.h"
#include "host/date_time.h"
#include "host/qso_fields.h"
#include "host/qso_verdict.h"
#include "loader/entry_points.h"

namespace sptdc::host {

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
  std::size_t read = 0;
  std::size_t stored = 0;    // AddData0 said 1: counted QSOs and dupes
  std::size_t rejected = 0;  // AddData0 said 0
  std::vector<bool> kept;    // per QSO in log order: AddData0 said 1
};

// Starts the run with ResetStats0 (which shows the header dialog in an
// export run) and hands every QSO to AddData0 in the order given. *verdicts
// gets the plug-in's verdict on each, read from its result and the lines it
// added to the rejection report in the current directory.
RunCounts PassLog(const EntryPoints& api, const RunSettings& settings, const std::vector<QsoFields>& qsos,
                  std::vector<QsoVerdict>* verdicts);

// The rejection report's name for the run, in the current directory.
std::string RejectionReportOf(const RunSettings& settings);

// GetResult0's text (in an export run this also writes the Cabrillo file),
// with each CR LF turned into "\n".
std::string ScoreText(const EntryPoints& api);

// CheckCall0 for one call, band and mode: 1 new, 0 dupe, 4 refused.
int CheckCall(const EntryPoints& api, const std::string& call, const std::string& band,
              const std::string& mode);

// IsValidExchg0 for the host's single exchange field.
bool IsValidGrid(const EntryPoints& api, const std::string& text);

}  // namespace sptdc::host
