// export_warnings.h - the QSO lines of an export that a log-checking robot
// would refuse, found before the file is written. The host only warns: the
// plug-in writes every stored QSO as it is.
#pragma once

#include <string>
#include <vector>

#include "host/qso_fields.h"

namespace sptdc::host {

// One warning per kind of fault, naming the records among those the plug-in
// stored (stored[i] for qsos[i], which is record logNumbers[i] of the log,
// counted from 1):
// - no frequency: the line says 0 kHz (a FREQ missing, unreadable or below
//   1 kHz);
// - a date or time that cannot be read: the line says "Invalid DateTime" or
//   nothing;
// A mode other than "CW" (the line would say "??") cannot reach the file:
// the log's modes are upper-cased and the plug-in stores CW only.
// A run without an own call is told for every command (LogWarnings).
std::vector<std::string> ExportWarnings(const std::vector<QsoFields>& qsos, const std::vector<bool>& stored,
                                        const std::vector<std::size_t>& logNumbers);

}  // namespace sptdc::host
