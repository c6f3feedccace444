// Shared libraries of the operating system: dlopen on POSIX systems,
// LoadLibraryA on Windows (shared_library_posix.cpp, shared_library_win32.cpp;
// CMake compiles the one of the target).
#pragma once

#include <string>

namespace sptdc {

// The plug-in's file name: "libsptdc.so" or "SPTDC.dll".
const char* PluginFileName();

// The folder of the running executable, ending in a separator.
std::string ExecutableDirectory();

// Loads a shared library from this path; a bare file name means the file in
// the current directory, never one searched for in the system's folders.
// Null with *error saying why when it cannot.
void* OpenLibrary(const std::string& path, std::string* error);

// The exported symbol of that name, or null.
void* FindSymbol(void* library, const char* name);

void CloseLibrary(void* library);

}  // namespace sptdc
