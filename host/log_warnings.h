// log_warnings.h - what looks wrong in a log without changing its score:
// the host says it on standard error and scores the log all the same.
#pragma once

#include <string>
#include <vector>

#include "host/qso_fields.h"

namespace sptdc::host {

// The warnings for the QSOs of a run with this own call: a log spanning more
// than the contest's 24 hours, a FREQ outside the band of its QSO, no own
// call, no QSO.
std::vector<std::string> LogWarnings(const std::vector<QsoFields>& qsos, const std::string& stationCall);

}  // namespace sptdc::host
