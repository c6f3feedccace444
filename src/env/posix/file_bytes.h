// Reading a whole file into memory, bounded, for the readers of the POSIX
// platform layer (the settings file, the host's executable).
#pragma once

#include <cstddef>
#include <string>

namespace sptdc {

// Reads every byte of the file at path into *bytes. False when the file
// cannot be opened or read (a folder cannot be read) or holds more than
// limit bytes, and *bytes then holds nothing of use; the limit keeps a
// stray huge file from exhausting memory.
bool ReadFileBytes(const std::string& path, std::size_t limit, std::string* bytes);

}  // namespace sptdc
