// The PE version reader on bytes: any input, a PE file or not, gives a
// version or nothing, without reading outside the bytes.
#include <cstddef>
#include <cstdint>

#include "env/posix/pe_version.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sptdc::FindFileVersion(data, size);
  return 0;
}
