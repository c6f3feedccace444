// export_warnings.h - the QSO lines of an export that a log-checking robot
// would refuse, found before the file is written. The host only warns: the
// plug-in writes every stored QSO as it is.
#pragma once

#include <string>
#include <vector>

#include "host/qso_fields.h"

namespace sptdc::host {

// One warning per kind of fault, naming the records (counted from 1 in log
// order) among those the plug-in stored (stored[i] for qsos[i]):
// - no frequency: the line says 0 kHz (a FREQ missing, unreadable or below
//   1 kHz);
// - a date or time that cannot be read: the line says "Invalid DateTime" or
//   nothing;
// - a mode other than "CW" exactly (such as "cw"): the line says "??".
// And one when the station call is empty: every line's own call would be
// empty unless CALLSIGN is filled in in the header.
std::vector<std::string> ExportWarnings(const std::vector<QsoFields>& qsos, const std::vector<bool>& stored,
                                        const std::string& stationCall);

}  // namespace sptdc::host
