// The host's services on Linux: the POSIX current directory; streams are
// bytes already.
#include <limits.h>
#include <unistd.h>

#include <vector>

#include "host/platform.h"

namespace sptdc::host {

bool ChangeDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

std::string CurrentDirectory() {
  std::vector<char> path(PATH_MAX + 1);
  if (!getcwd(path.data(), path.size())) return "./";
  std::string directory = path.data();
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

void SetBinaryMode(std::FILE*) {}

}  // namespace sptdc::host
