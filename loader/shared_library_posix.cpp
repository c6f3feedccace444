// Shared libraries on Linux and other POSIX systems: dlopen for the plug-in,
// /proc/self/exe for the executable's folder, where the plug-in lies in a
// build tree; an install puts it into a folder relative to that one.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "loader/shared_library.h"

namespace sptdc {

const char* PluginFileName() { return "libsptdc.so"; }

namespace {

std::string ExecutableDirectory() {
  std::vector<char> path(PATH_MAX + 1);
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return "./";
  const std::string executable(path.data(), size_t(length));
  return executable.substr(0, executable.rfind('/') + 1);
}

}  // namespace

std::vector<std::string> PluginFolders() {
  const std::string beside = ExecutableDirectory();
  std::string installed = beside + SPTDC_PLUGIN_DIR_FROM_BIN;
  // Without the ".." where the folder exists, so that paths read well.
  if (char* resolved = realpath(installed.c_str(), nullptr)) {
    installed = resolved;
    free(resolved);
  }
  return {beside, installed + "/"};
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
