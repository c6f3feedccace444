// The plug-in's version as an ELF note (owner "SPTDC", type 1), so that the
// library file itself says which version it is: sptdc-host --version reads it
// with ReadVersionNote. The note lies in an allocated ".note" section, which
// the linker puts into a PT_NOTE segment.
#include <cstdint>

#include "env/posix/elf_version.h"

namespace sptdc {

namespace {

constexpr char kVersion[] = SPTDC_VERSION;

// The note as the ELF format lays it out: the header, then the name and the
// description, each padded to four bytes.
struct VersionNote {
  std::uint32_t nameSize;
  std::uint32_t descSize;
  std::uint32_t type;
  char name[(sizeof kVersionNoteOwner + 3) / 4 * 4];
  char desc[(sizeof kVersion + 3) / 4 * 4];
};

constexpr VersionNote MakeVersionNote() {
  VersionNote note{sizeof kVersionNoteOwner, sizeof kVersion, kVersionNoteType, {}, {}};
  for (std::size_t i = 0; i < sizeof kVersionNoteOwner; ++i) note.name[i] = kVersionNoteOwner[i];
  for (std::size_t i = 0; i < sizeof kVersion; ++i) note.desc[i] = kVersion[i];
  return note;
}

[[gnu::used, gnu::section(".note.sptdc.version"), gnu::aligned(4)]] constexpr VersionNote kVersionNote =
    MakeVersionNote();

}  // namespace

}  // namespace sptdc
