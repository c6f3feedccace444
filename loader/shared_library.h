// Shared libraries of the operating system: dlopen on POSIX systems,
// LoadLibraryA on Windows (shared_library_posix.cpp, shared_library_win32.cpp;
// CMake compiles the one of the target).
#pragma once

#include <string>
#include <vector>

namespace sptdc {

// The plug-in's file name: "libsptdc.so" or "SPTDC.dll".
const char* PluginFileName();

// The folders where the plug-in is looked for when no path is given, in
// order, each ending in a separator: the running executable's own folder and,
// on POSIX systems, the folder where an install puts the plug-in, found
// relative to the executable's (SPTDC_PLUGIN_DIR_FROM_BIN, set by the build).
std::vector<std::string> PluginFolders();

// Loads a shared library from this path; a bare file name means the file in
// the current directory, never one searched for in the system's folders.
// Null with *error saying why when it cannot.
void* OpenLibrary(const std::string& path, std::string* error);

// The exported symbol of that name, or null.
void* FindSymbol(void* library, const char* name);

void CloseLibrary(void* library);

}  // namespace sptdc
