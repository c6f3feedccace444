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

// Makes the stream pass bytes unchanged: no CR LF translation on Windows.
void SetBinaryMode(std::FILE* stream);

}  // namespace sptdc::host
