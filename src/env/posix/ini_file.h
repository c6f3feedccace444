// The settings file on POSIX systems: reading and writing single values of an
// INI file in the way the Windows profile functions treat the plug-in's file,
// so a file moved between the two reads the same.
//
// The format as read here:
// - Lines end in LF or CR LF; the last line may lack its line end. A CR that
//   is not followed by LF is an ordinary byte of its line.
// - Blanks are spaces and tabs. Blank lines, lines starting with ";" (after
//   blanks) and lines that are neither a section header nor a key are skipped.
// - "[name]" starts a section; the name is the text up to the first "]",
//   without surrounding blanks. A "[" line without "]" is skipped.
// - "key=value": the key is the text before the first "=" without surrounding
//   blanks (an empty key is skipped); the value is the text after it without
//   surrounding blanks, and then without one pair of enclosing double or
//   single quotes. Keys before the first section belong to no section.
// - Section and key names compare ignoring ASCII letter case. Only the first
//   section of a name counts, and in it only the first line of a key.
//
// Values are written as they are ("key=value"), as Windows writes them; so,
// as there, surrounding blanks and one pair of enclosing quotes of a written
// value do not come back when it is read.
#pragma once

#include <optional>
#include <string>

namespace sptdc {

// The value of key in section of the INI text, or fallback when the text has
// no such section or no such key in it. An empty section or key name never
// matches.
std::string FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& fallback);

// The INI text with key of section set to value. The first line of the key
// gets the new value (its name, the blanks around "=" and its line end kept);
// a missing key becomes a new line after the section's last key, or after its
// header when it has none; a missing section is added at the end. New lines
// end in CR LF, and a last line without a line end gets CR LF before anything
// is added after it. Every other byte of the text stays as it was.
// Nothing (no value) when the entry cannot be stored as one line that reads
// back under these names: an empty name, a CR or LF in a name or in the value,
// "]" in the section name, "=" in the key, blanks around a name, or a key that
// starts with ";" or "[".
std::optional<std::string> SetIniValue(const std::string& text, const std::string& section,
                                       const std::string& key, const std::string& value);

// FindIniValue on the file at path; fallback as well when the file is
// missing, unreadable or larger than 64 MiB.
std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& fallback);

// SetIniValue on the file at path, creating the file when it is missing (but
// not its folder). The new content replaces the file through a temporary
// file beside it (ReplaceFileContent), so the file is at all times either
// the old or the new one and keeps its permission bits. False, with the file
// and the folder as they were, when the entry cannot be stored (see
// SetIniValue), the folder is missing, the file is not a regular file, may
// not be written (also without the owner's write permission), cannot be read
// or is larger than 64 MiB, or the temporary file cannot be written or
// renamed.
bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

}  // namespace sptdc
