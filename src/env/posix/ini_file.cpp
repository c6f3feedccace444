// The INI text is scanned line by line, once, to locate the section and the
// key; reads cut the value out, writes splice the new value or lines in and
// leave every other byte alone. The file functions wrap the two text
// functions with a bounded read and a replace through a temporary file.
#include "env/posix/ini_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstddef>

#include "env/posix/file_bytes.h"
#include "env/posix/replace_file.h"
#include "util/ascii.h"
#include "util/text.h"

namespace sptdc {

namespace {

// A settings file beyond this is not one the plug-in wrote; it is left alone.
constexpr std::size_t kMaxIniFileSize = 64u << 20;

// Position of the first c in [begin, end), or end. Searches stay inside their
// line, so a text of many lines is scanned in linear time.
std::size_t FindInLine(const std::string& text, char c, std::size_t begin, std::size_t end) {
  while (begin < end && text[begin] != c) ++begin;
  return begin;
}

// One line of the text, as offsets into it.
struct IniLine {
  enum Kind { kOther, kSection, kKey };
  Kind kind = kOther;
  std::size_t end = 0;         // after the line end
  std::size_t contentEnd = 0;  // before the line end
  std::string name;            // of the section or key, without blanks
  std::size_t valueBegin = 0;  // kKey: the value's first byte after the blanks
};

std::string TrimmedRange(const std::string& text, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

IniLine ScanLine(const std::string& text, std::size_t begin) {
  IniLine line;
  std::size_t newline = text.find('\n', begin);
  if (newline == std::string::npos) {
    line.end = line.contentEnd = text.size();
  } else {
    line.end = newline + 1;
    line.contentEnd = (newline > begin && text[newline - 1] == '\r') ? newline - 1 : newline;
  }

  std::size_t first = begin;
  while (first < line.contentEnd && IsBlank(text[first])) ++first;
  if (first == line.contentEnd || text[first] == ';') return line;
  if (text[first] == '[') {
    std::size_t close = FindInLine(text, ']', first + 1, line.contentEnd);
    if (close < line.contentEnd) {
      line.kind = IniLine::kSection;
      line.name = TrimmedRange(text, first + 1, close);
    }
    return line;
  }
  std::size_t equals = FindInLine(text, '=', first, line.contentEnd);
  if (equals >= line.contentEnd) return line;
  line.name = TrimmedRange(text, first, equals);
  if (line.name.empty()) return line;
  line.kind = IniLine::kKey;
  line.valueBegin = equals + 1;
  while (line.valueBegin < line.contentEnd && IsBlank(text[line.valueBegin])) ++line.valueBegin;
  return line;
}

// Where the key of the first section of that name is, or would go.
struct IniPlace {
  bool sectionFound = false;
  std::size_t insertAt = 0;  // after the section's last key line, or its header
  bool keyFound = false;
  std::size_t valueBegin = 0;
  std::size_t valueEnd = 0;  // the value's last byte before the line end, blanks included
};

IniPlace Locate(const std::string& text, const std::string& section, const std::string& key) {
  IniPlace place;
  std::size_t pos = 0;
  while (pos < text.size()) {
    IniLine line = ScanLine(text, pos);
    pos = line.end;
    if (line.kind == IniLine::kSection) {
      if (place.sectionFound) break;
      if (text::EqualNoCase(line.name, section)) {
        place.sectionFound = true;
        place.insertAt = line.end;
      }
    } else if (line.kind == IniLine::kKey && place.sectionFound) {
      place.insertAt = line.end;
      if (text::EqualNoCase(line.name, key)) {
        place.keyFound = true;
        place.valueBegin = line.valueBegin;
        place.valueEnd = line.contentEnd;
        break;
      }
    }
  }
  return place;
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

bool HasOuterBlank(const std::string& s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

bool IsStorableName(const std::string& name, const char* forbidden) {
  return !name.empty() && !HasLineBreak(name) && !HasOuterBlank(name) &&
         name.find_first_of(forbidden) == std::string::npos;
}

bool IsStorable(const std::string& section, const std::string& key, const std::string& value) {
  return IsStorableName(section, "]") && IsStorableName(key, "=") && key[0] != ';' && key[0] != '[' &&
         !HasLineBreak(value);
}

// True when text ends in a line that has no line end yet.
bool EndsInOpenLine(const std::string& text, std::size_t end) { return end > 0 && text[end - 1] != '\n'; }

}  // namespace

std::string FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& fallback) {
  if (section.empty() || key.empty()) return fallback;
  IniPlace place = Locate(text, section, key);
  if (!place.keyFound) return fallback;
  std::string value = TrimmedRange(text, place.valueBegin, place.valueEnd);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<std::string> SetIniValue(const std::string& text, const std::string& section,
                                       const std::string& key, const std::string& value) {
  if (!IsStorable(section, key, value)) return std::nullopt;
  IniPlace place = Locate(text, section, key);
  if (place.keyFound) {
    return text.substr(0, place.valueBegin) + value + text.substr(place.valueEnd);
  }
  std::string entry = key + "=" + value + "\r\n";
  if (place.sectionFound) {
    std::string added = (EndsInOpenLine(text, place.insertAt) ? "\r\n" : "") + entry;
    return text.substr(0, place.insertAt) + added + text.substr(place.insertAt);
  }
  return text + (EndsInOpenLine(text, text.size()) ? "\r\n" : "") + "[" + section + "]\r\n" + entry;
}

std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key,
                         const std::string& fallback) {
  std::string text;
  if (!ReadFileBytes(path, kMaxIniFileSize, &text)) return fallback;
  return FindIniValue(text, section, key, fallback);
}

bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  std::string text;
  struct stat status;
  if (::stat(path.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode) || !ReadFileBytes(path, kMaxIniFileSize, &text)) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  std::optional<std::string> updated = SetIniValue(text, section, key, value);
  return updated && ReplaceFileContent(path, *updated);
}

}  // namespace sptdc
