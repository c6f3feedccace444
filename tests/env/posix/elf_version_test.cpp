#include "env/posix/elf_version.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace sptdc {
namespace {

// Builds a small ELF file: the file header, one program header per segment,
// then the segments' notes, laid out as the format says.
struct Note {
  std::string owner;  // with its NUL
  std::uint32_t type;
  std::string desc;
};

void Put(std::string& b, std::size_t at, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

std::string Padded(std::string text, std::size_t alignment) {
  text.resize((text.size() + alignment - 1) / alignment * alignment, '\0');
  return text;
}

std::string ElfWithNotes(bool wide, std::uint64_t alignment, const std::vector<Note>& notes) {
  const std::size_t headerSize = wide ? 64 : 52;
  const std::size_t programHeaderSize = wide ? 56 : 32;
  std::string segment;
  for (const Note& note : notes) {
    std::string header(12, '\0');
    Put(header, 0, note.owner.size(), 4);
    Put(header, 4, note.desc.size(), 4);
    Put(header, 8, note.type, 4);
    segment += header + Padded(note.owner, alignment) + Padded(note.desc, alignment);
  }
  std::string b(headerSize + programHeaderSize, '\0');
  b.replace(0, 4, std::string("\x7F") + "ELF");
  b[4] = wide ? 2 : 1;  // class
  b[5] = 1;             // little-endian
  const std::size_t ph = headerSize;
  const std::size_t segmentAt = headerSize + programHeaderSize;
  if (wide) {
    Put(b, 0x20, ph, 8);
    Put(b, 0x36, programHeaderSize, 2);
    Put(b, 0x38, 1, 2);
    Put(b, ph, 4, 4);  // PT_NOTE
    Put(b, ph + 8, segmentAt, 8);
    Put(b, ph + 32, segment.size(), 8);
    Put(b, ph + 48, alignment, 8);
  } else {
    Put(b, 0x1C, ph, 4);
    Put(b, 0x2A, programHeaderSize, 2);
    Put(b, 0x2C, 1, 2);
    Put(b, ph, 4, 4);
    Put(b, ph + 4, segmentAt, 4);
    Put(b, ph + 16, segment.size(), 4);
    Put(b, ph + 28, alignment, 4);
  }
  return b + segment;
}

// Reads a copy of exactly the given size, so that a read past its end shows
// in the sanitizer and valgrind runs.
std::string VersionOf(const std::string& bytes, std::size_t size) {
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.begin() + size);
  return FindVersionNote(copy.data(), copy.size()).value_or("none");
}
std::string VersionOf(const std::string& bytes) { return VersionOf(bytes, bytes.size()); }

const Note kVersion{std::string("SPTDC", 6), 1, std::string("1.0.0", 6)};
const Note kBuildId{std::string("GNU", 4), 3, "0123456789abcdef0123"};

TEST(ElfVersionTest, FindsTheNoteInBothClassesAndAlignments) {
  const struct {
    const char* what;
    bool wide;
    std::uint64_t alignment;
    std::vector<Note> notes;
    const char* version;
  } cases[] = {
      {"64-bit", true, 4, {kVersion}, "1.0.0"},
      {"32-bit", false, 4, {kVersion}, "1.0.0"},
      {"after another note", true, 4, {kBuildId, kVersion}, "1.0.0"},
      {"8-byte aligned notes", true, 8, {kBuildId, kVersion}, "1.0.0"},
      {"other owner", true, 4, {{std::string("SPTDX", 6), 1, std::string("1.0.0", 6)}}, "none"},
      {"owner without its NUL", true, 4, {{"SPTDC", 1, std::string("1.0.0", 6)}}, "none"},
      {"other type", true, 4, {{kVersion.owner, 2, kVersion.desc}}, "none"},
      {"no notes", true, 4, {}, "none"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VersionOf(ElfWithNotes(c.wide, c.alignment, c.notes)), c.version) << c.what;
  }
}

TEST(ElfVersionTest, DamagedFilesGiveNoVersion) {
  const std::string good = ElfWithNotes(true, 4, {kBuildId, kVersion});
  ASSERT_EQ(VersionOf(good), "1.0.0");
  // Every cut short of the whole file loses the note's end.
  for (std::size_t size = 0; size < good.size(); ++size) {
    EXPECT_EQ(VersionOf(good, size), "none") << "cut at " << size;
  }
  const struct {
    const char* what;
    std::size_t at;
    std::uint64_t value;
    int bytes;
  } damages[] = {
      {"no ELF signature", 1, 'X', 1},
      {"big-endian", 5, 2, 1},
      {"unknown class", 4, 3, 1},
      {"program headers beyond the end", 0x20, 0xFFFFFFFFFFFFFF00u, 8},
      {"many program headers", 0x38, 0xFFFF, 2},
      {"segment beyond the end", 64 + 8, 0xFFFFFFFFFFFFFF00u, 8},
      {"segment longer than the file", 64 + 32, 0xFFFFFFFFu, 8},
      {"huge name size", 120, 0xFFFFFFFFu, 4},
      {"huge description size", 124, 0xFFFFFFFFu, 4},
  };
  for (const auto& d : damages) {
    std::string bad = good;
    Put(bad, d.at, d.value, d.bytes);
    EXPECT_EQ(VersionOf(bad), "none") << d.what;
  }
}

TEST(ElfVersionTest, ThePluginLibraryCarriesTheProjectVersion) {
  EXPECT_EQ(ReadVersionNote(SPTDC_PLUGIN_FILE).value_or("none"), SPTDC_VERSION);
  EXPECT_EQ(ReadVersionNote("/proc/self/exe").value_or("none"), "none");
  EXPECT_EQ(ReadVersionNote("/no/such/library.so").value_or("none"), "none");
}

}  // namespace
}  // namespace sptdc
