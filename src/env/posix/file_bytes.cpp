#include "env/posix/file_bytes.h"

#include <cstdio>

namespace sptdc {

bool ReadFileBytes(const std::string& path, std::size_t limit, std::string* bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bytes->clear();
  // Read in chunks up to end of file rather than trusting a size from
  // seeking, which a folder or a special file would not give reliably.
  char chunk[65536];
  bool ok = true;
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    if (got > limit - bytes->size()) {
      ok = false;
      break;
    }
    bytes->append(chunk, got);
    if (got < sizeof chunk) {
      ok = !std::ferror(file);
      break;
    }
  }
  std::fclose(file);
  return ok;
}

}  // namespace sptdc
