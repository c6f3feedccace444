// The version that an ELF file (a shared library or program of Linux) carries
// in a note of its own: owner "SPTDC", type 1, the version as NUL-terminated
// text. The plug-in library carries one (src/exports/version_note.cpp), so the
// host can name the version of the library it would load.
//
// Like the PE reader, every offset and size taken from the file is checked
// against the bytes there are, so any input ends in a result or in "no
// version". Little-endian files only (32 and 64 bit); others have no version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace sptdc {

constexpr char kVersionNoteOwner[] = "SPTDC";
constexpr std::uint32_t kVersionNoteType = 1;

// The text of the first version note in the PT_NOTE segments of the ELF file
// held in data[0, size), up to its first NUL. Nothing when the bytes are no
// little-endian ELF file, are cut short, or carry no such note.
std::optional<std::string> FindVersionNote(const std::uint8_t* data, std::size_t size);

// FindVersionNote on the file at path; nothing as well when the file cannot
// be read or is larger than 256 MiB.
std::optional<std::string> ReadVersionNote(const std::string& path);

}  // namespace sptdc
