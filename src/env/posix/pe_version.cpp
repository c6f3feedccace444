// Offsets and layouts are those of the PE/COFF format: the DOS header points
// to the PE signature, followed by the COFF file header, the optional header
// (PE32 or PE32+, which differ in where the data directories begin) and the
// section table. Resource RVAs are mapped to file offsets through the
// section table; offsets inside the resource tree are relative to the start
// of the resource directory. All arithmetic is in 64 bits, so sums of 32-bit
// fields cannot wrap.
#include "env/posix/pe_version.h"

#include "env/posix/byte_view.h"
#include "env/posix/file_bytes.h"

namespace sptdc {

namespace {

constexpr std::size_t kMaxExecutableSize = 256u << 20;

constexpr std::uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectory = 2;  // index among the data directories
constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kSubdirectoryFlag = 0x80000000;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;

// What the headers say about where to look.
struct PeLayout {
  std::uint64_t sectionTable = 0;
  std::uint16_t sectionCount = 0;
  std::uint32_t resourceRva = 0;
};

bool ReadLayout(const ByteView& file, PeLayout* layout) {
  std::uint16_t dosSignature;
  std::uint32_t peOffset, peSignature;
  if (!file.U16(0, &dosSignature) || dosSignature != kDosSignature) return false;
  if (!file.U32(0x3C, &peOffset)) return false;
  if (!file.U32(peOffset, &peSignature) || peSignature != kPeSignature) return false;

  const std::uint64_t coffHeader = std::uint64_t{peOffset} + 4;
  std::uint16_t optionalSize, magic;
  if (!file.U16(coffHeader + 2, &layout->sectionCount)) return false;
  if (!file.U16(coffHeader + 16, &optionalSize)) return false;
  const std::uint64_t optionalHeader = coffHeader + 20;
  if (!file.Has(optionalHeader, optionalSize) || !file.U16(optionalHeader, &magic)) return false;

  std::uint64_t directoryCountAt;
  if (magic == kPe32Magic) {
    directoryCountAt = 92;
  } else if (magic == kPe32PlusMagic) {
    directoryCountAt = 108;
  } else {
    return false;
  }
  // The directories, 8 bytes each (RVA, size), follow their count.
  const std::uint64_t resourceEntryAt = directoryCountAt + 4 + 8 * kResourceDirectory;
  std::uint32_t directoryCount;
  if (resourceEntryAt + 8 > optionalSize) return false;
  if (!file.U32(optionalHeader + directoryCountAt, &directoryCount)) return false;
  if (directoryCount <= kResourceDirectory) return false;
  if (!file.U32(optionalHeader + resourceEntryAt, &layout->resourceRva)) return false;
  if (layout->resourceRva == 0) return false;

  layout->sectionTable = optionalHeader + optionalSize;
  return file.Has(layout->sectionTable, std::uint64_t{layout->sectionCount} * 40);
}

// The file bytes from rva to the end of the file data of the section that
// holds it (only as far as the section reaches in memory). False when no
// section holds rva in its file data.
bool MapRva(const ByteView& file, const PeLayout& layout, std::uint32_t rva, ByteView* mapped) {
  for (std::uint16_t i = 0; i < layout.sectionCount; ++i) {
    const std::uint64_t header = layout.sectionTable + std::uint64_t{i} * 40;
    std::uint32_t virtualSize, virtualAddress, rawSize, rawOffset;
    if (!file.U32(header + 8, &virtualSize) || !file.U32(header + 12, &virtualAddress) ||
        !file.U32(header + 16, &rawSize) || !file.U32(header + 20, &rawOffset)) {
      return false;
    }
    // Linkers may leave VirtualSize 0; then the file data is the extent.
    const std::uint64_t extent = (virtualSize != 0 && virtualSize < rawSize) ? virtualSize : rawSize;
    if (rva < virtualAddress || rva - virtualAddress >= extent) continue;
    const std::uint64_t offset = std::uint64_t{rawOffset} + (rva - virtualAddress);
    if (!file.Has(offset, 0)) return false;
    std::uint64_t length = extent - (rva - virtualAddress);
    if (length > file.size() - offset) length = file.size() - offset;
    *mapped = file.Slice(offset, length);
    return true;
  }
  return false;
}

// The OffsetToData of an entry of the resource directory at directory: of
// the entry whose id is wantedId or, when wantedId is empty, of the first.
bool PickEntry(const ByteView& tree, std::uint64_t directory, std::optional<std::uint32_t> wantedId,
               std::uint32_t* offsetToData) {
  std::uint16_t namedCount, idCount;
  if (!tree.U16(directory + 12, &namedCount) || !tree.U16(directory + 14, &idCount)) return false;
  const std::uint64_t entries = directory + 16;
  const std::uint32_t count = std::uint32_t{namedCount} + idCount;
  if (count == 0 || !tree.Has(entries, std::uint64_t{count} * 8)) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t entry = entries + std::uint64_t{i} * 8;
    std::uint32_t name;
    if (!tree.U32(entry, &name)) return false;
    // Entries with a name have the high bit set, so never equal an id.
    if (!wantedId || name == *wantedId) return tree.U32(entry + 4, offsetToData);
  }
  return false;
}

std::optional<FileVersion> ReadVersionBlock(const ByteView& block) {
  // VS_VERSIONINFO: wLength, wValueLength, wType, the key in UTF-16 with its
  // terminating zero, then VS_FIXEDFILEINFO at the next 32-bit boundary.
  static const char kKey[] = "VS_VERSION_INFO";
  constexpr std::uint64_t kKeyAt = 6;
  constexpr std::uint64_t kFixedAt = (kKeyAt + 2 * sizeof kKey + 3) / 4 * 4;
  constexpr std::uint16_t kFixedSize = 52;

  std::uint16_t length, valueLength;
  if (!block.U16(0, &length) || !block.U16(2, &valueLength)) return std::nullopt;
  if (length > block.size() || length < kFixedAt + kFixedSize || valueLength < kFixedSize) {
    return std::nullopt;
  }
  for (std::uint64_t i = 0; i < sizeof kKey; ++i) {
    std::uint16_t unit;
    if (!block.U16(kKeyAt + 2 * i, &unit) || unit != static_cast<unsigned char>(kKey[i])) {
      return std::nullopt;
    }
  }
  std::uint32_t signature, versionMs, versionLs;
  if (!block.U32(kFixedAt, &signature) || signature != kFixedInfoSignature) return std::nullopt;
  if (!block.U32(kFixedAt + 8, &versionMs) || !block.U32(kFixedAt + 12, &versionLs)) {
    return std::nullopt;
  }
  return FileVersion{
      static_cast<std::uint16_t>(versionMs >> 16), static_cast<std::uint16_t>(versionMs & 0xFFFF),
      static_cast<std::uint16_t>(versionLs >> 16), static_cast<std::uint16_t>(versionLs & 0xFFFF)};
}

}  // namespace

std::optional<FileVersion> FindFileVersion(const std::uint8_t* data, std::size_t size) {
  const ByteView file(data, size);
  PeLayout layout;
  if (!ReadLayout(file, &layout)) return std::nullopt;
  ByteView tree(nullptr, 0);
  if (!MapRva(file, layout, layout.resourceRva, &tree)) return std::nullopt;

  // Type RT_VERSION, then its first name, then that name's first language;
  // the first two levels lead to directories, the last to a data entry.
  std::uint32_t typeEntry, nameEntry, languageEntry;
  if (!PickEntry(tree, 0, kRtVersion, &typeEntry) || !(typeEntry & kSubdirectoryFlag)) {
    return std::nullopt;
  }
  if (!PickEntry(tree, typeEntry & ~kSubdirectoryFlag, std::nullopt, &nameEntry) ||
      !(nameEntry & kSubdirectoryFlag)) {
    return std::nullopt;
  }
  if (!PickEntry(tree, nameEntry & ~kSubdirectoryFlag, std::nullopt, &languageEntry) ||
      (languageEntry & kSubdirectoryFlag)) {
    return std::nullopt;
  }
  // IMAGE_RESOURCE_DATA_ENTRY: the data's RVA and size.
  std::uint32_t dataRva, dataSize;
  if (!tree.U32(languageEntry, &dataRva) || !tree.U32(std::uint64_t{languageEntry} + 4, &dataSize)) {
    return std::nullopt;
  }
  ByteView resource(nullptr, 0);
  if (!MapRva(file, layout, dataRva, &resource) || !resource.Has(0, dataSize)) {
    return std::nullopt;
  }
  return ReadVersionBlock(resource.Slice(0, dataSize));
}

std::optional<FileVersion> ReadFileVersion(const std::string& path) {
  std::string bytes;
  if (!ReadFileBytes(path, kMaxExecutableSize, &bytes)) return std::nullopt;
  return FindFileVersion(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace sptdc
