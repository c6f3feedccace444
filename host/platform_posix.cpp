// The host's services on Linux: the POSIX current directory, the version
// note of ELF files; streams are bytes already.
#include <limits.h>
#include <unistd.h>

#include <vector>

#include "env/posix/elf_version.h"
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

std::string LibraryVersion(const std::string& path) { return ReadVersionNote(path).value_or(""); }

bool HeaderFormReadsStandardInput() { return isatty(STDIN_FILENO) == 0; }

void SetBinaryMode(std::FILE*) {}

}  // namespace sptdc::host
