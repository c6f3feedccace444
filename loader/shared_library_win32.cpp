// Shared libraries on Windows: LoadLibraryA for the plug-in, the module file
// name for the executable's folder. Paths are ANSI texts of the process code
// page, as the plug-in's are.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "loader/shared_library.h"

namespace sptdc {

const char* PluginFileName() { return "SPTDC.dll"; }

namespace {

std::string ExecutableDirectory() {
  std::vector<char> path(MAX_PATH + 1);
  DWORD length = 0;
  for (;;) {
    length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return ".\\";
    if (length < path.size()) break;
    path.resize(path.size() * 2);
  }
  const std::string executable(path.data(), length);
  return executable.substr(0, executable.find_last_of("\\/") + 1);
}

}  // namespace

// The plug-in lies beside the host, in a build tree and in the ZIP alike.
std::vector<std::string> PluginFolders() { return {ExecutableDirectory()}; }

void* OpenLibrary(const std::string& path, std::string* error) {
  const bool bare = path.find_first_of("\\/:") == std::string::npos;
  HMODULE library = LoadLibraryA((bare ? ".\\" + path : path).c_str());
  if (!library) {
    const DWORD code = GetLastError();
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                   sizeof text, nullptr);
    std::string reason = text;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) {
      reason.pop_back();
    }
    char number[32];
    std::snprintf(number, sizeof number, "Windows error %lu", static_cast<unsigned long>(code));
    *error = reason.empty() ? number : reason + " (" + number + ")";
  }
  return reinterpret_cast<void*>(library);
}

void* FindSymbol(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

}  // namespace sptdc
