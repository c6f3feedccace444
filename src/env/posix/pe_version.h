// The fixed file version of a Windows executable (a PE file, 32 or 64 bit),
// read on POSIX systems from the file's version resource without the Windows
// version functions: DOS header, PE headers, resource directory, RT_VERSION,
// VS_VERSIONINFO and its VS_FIXEDFILEINFO.
//
// Every offset and size taken from the file is checked against the bytes
// there are, and the resource tree is walked three fixed levels deep, so any
// input (truncated, damaged or not a PE file at all) ends in a result or in
// "no version", never in a read outside the bytes or an endless loop.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "env/env.h"  // FileVersion

namespace sptdc {

// The file version of the PE file held in data[0, size), as VS_FIXEDFILEINFO
// holds it: major and minor from dwFileVersionMS, build and revision from
// dwFileVersionLS, the higher number in the upper half of each. It comes from
// the first RT_VERSION resource (its first name, its first language), whose
// block must carry the key "VS_VERSION_INFO" and a fixed part with the
// signature 0xFEEF04BD. Nothing when the bytes are no PE file, are cut short,
// have no such resource, or any of its parts lies outside them.
std::optional<FileVersion> FindFileVersion(const std::uint8_t* data, std::size_t size);

// FindFileVersion on the file at path; nothing as well when the file cannot be
// read or is larger than 256 MiB, more than any executable that carries a
// host's version.
std::optional<FileVersion> ReadFileVersion(const std::string& path);

}  // namespace sptdc
