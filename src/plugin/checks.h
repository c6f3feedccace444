// The host's checks outside the adding of a QSO: the exchange check, the
// call (dupe) check and the removal of a QSO. None writes to the report.
#pragma once

#include <string>

#include "log/qso_log.h"

namespace sptdc {

class CContestRules;

// 1 when the exchange is a well-formed 4-character locator for exchange
// field 0, else 0.
int IsValidExchange(const std::string& exchange, int exchangeIndex);

// 4 when band and otherBand disagree (ignoring ASCII case; a null otherBand
// never disagrees) or band or mode does not count, 0 when a stored record has
// the same call, band and mode byte for byte, 1 otherwise.
int CheckCall(const QsoLog& qsos, const CContestRules& bandRules, const CContestRules& modeRules,
              const std::string& call, const std::string& mode, const char* band, const char* otherBand);

// Removes the first record with this call and band, byte for byte.
void RemoveQso(QsoLog& qsos, const std::string& call, const std::string& band);

}  // namespace sptdc
