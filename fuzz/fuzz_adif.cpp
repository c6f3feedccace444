// The host's ADI reader on a stream of the input bytes. It either returns
// every record or its first fault; on a fault it names an offset inside the
// input and returns no record, unless the fault is a last record cut short by
// the end of the input (then the complete records before it).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "host/adif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A few of the fields the host reads are kept, so values are stored as
  // well as read past.
  static const std::vector<std::string> kKept = {"CALL", "BAND", "MODE", "QSO_DATE", "SRX_STRING"};
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<sptdc::host::AdifRecord> records;
  sptdc::host::AdifError error;
  if (!sptdc::host::ReadAdif(in, kKept, &records, &error)) {
    if ((!records.empty() && !error.lastRecordCutShort) || error.offset > size || error.message.empty())
      std::abort();
  }
  return 0;
}
