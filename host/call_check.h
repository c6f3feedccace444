// call_check.h - check's answer for scripts and for the operator.
#pragma once

#include <string>

#include "loader/entry_points.h"

namespace sptdc::host {

struct CallCheckAnswer {
  int exitStatus;     // 0 new, 1 dupe, 3 refused, 2 a verdict the plug-in does not give
  std::string words;  // "new", "dupe", "band refused", "mode refused", "band and mode refused"
};

// Asks the plug-in about call on band in mode. For a refusal it asks again
// with the contest's band, then with its mode, to tell which of the two the
// plug-in refused.
CallCheckAnswer CheckCallAnswer(const EntryPoints& api, const std::string& call, const std::string& band,
                                const std::string& mode);

}  // namespace sptdc::host
