// The INI reader and writer on bytes. The input gives an INI text, a section,
// a key, a value and a second section and key; the target reads, sets the
// value and reads it back. A value that SetIniValue accepts must read back
// as written (less its surrounding blanks and one pair of enclosing quotes),
// and every other entry must read as before.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "env/posix/ini_file.h"
#include "util/text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// What a value written as "key=value" reads back as.
std::string AsReadBack(std::string value) {
  std::size_t begin = 0, end = value.size();
  while (begin < end && IsBlank(value[begin])) ++begin;
  while (end > begin && IsBlank(value[end - 1])) --end;
  value = value.substr(begin, end - begin);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = in.ConsumeRandomLengthString(32);
  const std::string key = in.ConsumeRandomLengthString(32);
  const std::string value = in.ConsumeRandomLengthString(64);
  const std::string otherSection = in.ConsumeBool() ? section : in.ConsumeRandomLengthString(32);
  const std::string otherKey = in.ConsumeRandomLengthString(32);
  const std::string text = in.ConsumeRemainingBytesAsString();
  const std::string fallback = "\x01(no value)";

  const std::string otherBefore = sptdc::FindIniValue(text, otherSection, otherKey, fallback);
  sptdc::FindIniValue(text, section, key, fallback);

  const std::optional<std::string> updated = sptdc::SetIniValue(text, section, key, value);
  if (!updated) return 0;
  Require(sptdc::FindIniValue(*updated, section, key, fallback) == AsReadBack(value));
  const bool sameEntry =
      sptdc::text::EqualNoCase(otherSection, section) && sptdc::text::EqualNoCase(otherKey, key);
  if (!sameEntry) {
    Require(sptdc::FindIniValue(*updated, otherSection, otherKey, fallback) == otherBefore);
  }
  return 0;
}
