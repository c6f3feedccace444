// The operating-system services of the host program besides loading the
// plug-in (the loader does that). platform_posix.cpp and platform_win32.cpp
// implement them; CMake compiles the one of the target, so nothing else of
// the host tests for a platform.
#pragma once

#include <cstdio>
#include <string>

namespace sptdc::host {

bool ChangeDirectory(const std::string& path);

// The absolute path of the current directory, ending in a separator.
std::string CurrentDirectory();

// The version that the plug-in library at path carries: on Windows the file
// version of its VERSIONINFO ("1.0.0.0"), on Linux its version note
// ("1.0.0"). Empty when the file is missing or carries none.
std::string LibraryVersion(const std::string& path);

// Whether the plug-in's header form takes its answers from standard input:
// on POSIX systems when standard input is not a terminal; never on Windows,
// where the header is a dialog window.
bool HeaderFormReadsStandardInput();

// Makes the stream pass bytes unchanged: no CR LF translation on Windows.
void SetBinaryMode(std::FILE* stream);

}  // namespace sptdc::host
