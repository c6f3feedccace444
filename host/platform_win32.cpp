// The host's services on Windows: the Win32 current directory, the version
// resource of DLLs (through the plug-in's environment layer), the C
// runtime's binary mode. Paths are ANSI texts of the process code page, as
// the plug-in's are.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>
#include <vector>

#include "env/env.h"
#include "host/platform.h"

namespace sptdc::host {

bool ChangeDirectory(const std::string& path) { return SetCurrentDirectoryA(path.c_str()) != 0; }

std::string CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> path(size + 1);
  if (size == 0 || GetCurrentDirectoryA(DWORD(path.size()), path.data()) == 0) return ".\\";
  std::string directory = path.data();
  if (directory.empty() || (directory.back() != '\\' && directory.back() != '/')) directory += '\\';
  return directory;
}

std::string LibraryVersion(const std::string& path) {
  FileVersion version;
  if (!Env::Default().ReadFileVersion(path, version)) return "";
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.build) + "." + std::to_string(version.revision);
}

bool HeaderFormReadsStandardInput() { return false; }

void SetBinaryMode(std::FILE* stream) { _setmode(_fileno(stream), _O_BINARY); }

}  // namespace sptdc::host
