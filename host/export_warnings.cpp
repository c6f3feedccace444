#include "host/export_warnings.h"

#include <algorithm>
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
};

}  // namespace

std::vector<std::string> ExportWarnings(const std::vector<QsoFields>& qsos, const std::vector<bool>& stored,
                                        const std::vector<std::size_t>& logNumbers) {
  std::vector<std::string> warnings;
  for (const Fault& fault : kFaults) {
    std::size_t count = 0;
    std::string records;
    std::vector<std::size_t> numbers;
    for (std::size_t i = 0; i < qsos.size() && i < stored.size(); ++i) {
      if (stored[i] && fault.applies(qsos[i]))
        numbers.push_back(i < logNumbers.size() ? logNumbers[i] : i + 1);
    }
    // Named in log order, though the plug-in got them in time order.
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t number : numbers) {
      if (++count <= kRecordsNamed) records += (count == 1 ? "" : ", ") + std::to_string(number);
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
