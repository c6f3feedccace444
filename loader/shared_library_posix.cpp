// Shared libraries on Linux and other POSIX systems: dlopen for the plug-in,
// /proc/self/exe for the executable's folder.
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <vector>

#include "loader/shared_library.h"

namespace sptdc {

const char* PluginFileName() { return "libsptdc.so"; }

std::string ExecutableDirectory() {
  std::vector<char> path(PATH_MAX + 1);
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return "./";
  const std::string executable(path.data(), size_t(length));
  return executable.substr(0, executable.rfind('/') + 1);
}

void* OpenLibrary(const std::string& path, std::string* error) {
  const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    const char* reason = dlerror();
    *error = reason ? reason : "unknown error";
  }
  return library;
}

void* FindSymbol(void* library, const char* name) { return dlsym(library, name); }

void CloseLibrary(void* library) { dlclose(library); }

}  // namespace sptdc
