// platform.h - the operating-system services of the host program.
//
// platform_posix.cpp and platform_win32.cpp implement them; CMake compiles
// the one of the target, so nothing else of the host tests for a platform.
#ifndef SPTDC_HOST_PLATFORM_H
#define SPTDC_HOST_PLATFORM_H

#include <string>

namespace sptdc_host {
namespace platform {

// The plug-in's file name beside the host: "libsptdc.so" or "SPTDC.dll".
const char* DefaultPluginFileName();

// The folder of the running executable, ending in a separator.
std::string ExecutableDirectory();

// Loads a shared library from this path; a bare file name means the file in
// the current directory, never one searched for in the system's folders.
// Null with *error saying why when it cannot.
void* OpenLibrary(const std::string& path, std::string* error);

// The exported symbol of that name, or null.
void* FindSymbol(void* library, const char* name);

void CloseLibrary(void* library);

bool ChangeDirectory(const std::string& path);

// The absolute path of the current directory, ending in a separator.
std::string CurrentDirectory();

}  // namespace platform
}  // namespace sptdc_host

#endif
