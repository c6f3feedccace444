// Offsets and layouts are those of the ELF format: the file header gives the
// class (32 or 64 bit), the byte order and where the program headers lie;
// each PT_NOTE program header points to a run of notes in the file, each a
// header (name size, description size, type) followed by the name and the
// description, both padded to the segment's alignment (4, or 8 for notes
// aligned so).
#include "env/posix/elf_version.h"

#include "env/posix/byte_view.h"
#include "env/posix/file_bytes.h"

namespace sptdc {

namespace {

constexpr std::size_t kMaxLibrarySize = 256u << 20;
constexpr std::uint32_t kElfMagic = 0x464C457F;  // "\x7F" "ELF"
constexpr std::uint8_t kClass32 = 1;
constexpr std::uint8_t kClass64 = 2;
constexpr std::uint8_t kLittleEndian = 1;
constexpr std::uint32_t kPtNote = 4;

// Where the fields this reader needs lie, for one ELF class.
struct ElfClass {
  std::uint64_t phoffAt, phentsizeAt, phnumAt;  // in the file header
  std::uint64_t offsetAt, fileSizeAt, alignAt;  // in a program header
  bool wide;                                    // 64-bit addresses and sizes
};
constexpr ElfClass kElf32{0x1C, 0x2A, 0x2C, 4, 16, 28, false};
constexpr ElfClass kElf64{0x20, 0x36, 0x38, 8, 32, 48, true};

bool Word(const ByteView& bytes, const ElfClass& elf, std::uint64_t offset, std::uint64_t* value) {
  if (elf.wide) return bytes.U64(offset, value);
  std::uint32_t narrow;
  if (!bytes.U32(offset, &narrow)) return false;
  *value = narrow;
  return true;
}

std::uint64_t Padded(std::uint64_t size, std::uint64_t alignment) {
  return (size + alignment - 1) / alignment * alignment;
}

// The version note among the notes of one segment.
std::optional<std::string> FindInNotes(const ByteView& notes, std::uint64_t alignment) {
  std::uint64_t at = 0;
  std::uint32_t nameSize, descSize, type;
  while (notes.U32(at, &nameSize) && notes.U32(at + 4, &descSize) && notes.U32(at + 8, &type)) {
    const std::uint64_t nameAt = at + 12;
    const std::uint64_t descAt = nameAt + Padded(nameSize, alignment);
    std::string name, desc;
    if (!notes.Text(nameAt, nameSize, &name) || !notes.Text(descAt, descSize, &desc)) break;
    if (type == kVersionNoteType && name == std::string(kVersionNoteOwner, sizeof kVersionNoteOwner)) {
      return desc.substr(0, desc.find('\0'));
    }
    at = descAt + Padded(descSize, alignment);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FindVersionNote(const std::uint8_t* data, std::size_t size) {
  const ByteView file(data, size);
  std::uint32_t magic;
  std::string ident;
  if (!file.U32(0, &magic) || magic != kElfMagic || !file.Text(4, 2, &ident)) return std::nullopt;
  if (ident[1] != kLittleEndian) return std::nullopt;
  if (ident[0] != kClass32 && ident[0] != kClass64) return std::nullopt;
  const ElfClass& elf = ident[0] == kClass64 ? kElf64 : kElf32;

  std::uint64_t headers;
  std::uint16_t headerSize, headerCount;
  if (!Word(file, elf, elf.phoffAt, &headers) || !file.U16(elf.phentsizeAt, &headerSize) ||
      !file.U16(elf.phnumAt, &headerCount) || !file.Has(headers, std::uint64_t{headerCount} * headerSize)) {
    return std::nullopt;
  }
  for (std::uint16_t i = 0; i < headerCount; ++i) {
    const std::uint64_t header = headers + std::uint64_t{i} * headerSize;
    std::uint32_t type;
    std::uint64_t offset, fileSize, alignment;
    if (!file.U32(header, &type) || !Word(file, elf, header + elf.offsetAt, &offset) ||
        !Word(file, elf, header + elf.fileSizeAt, &fileSize) ||
        !Word(file, elf, header + elf.alignAt, &alignment)) {
      return std::nullopt;
    }
    if (type != kPtNote || !file.Has(offset, fileSize)) continue;
    const std::optional<std::string> version =
        FindInNotes(file.Slice(offset, fileSize), alignment == 8 ? 8 : 4);
    if (version) return version;
  }
  return std::nullopt;
}

std::optional<std::string> ReadVersionNote(const std::string& path) {
  std::string bytes;
  if (!ReadFileBytes(path, kMaxLibrarySize, &bytes)) return std::nullopt;
  return FindVersionNote(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace sptdc
