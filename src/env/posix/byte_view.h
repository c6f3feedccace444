// Little-endian reads over a range of bytes that fail instead of reading
// past its end, for the readers of executable files (PE, ELF). Offsets and
// lengths are 64-bit, so sums of 32-bit fields from a file cannot wrap.
#pragma once

#include <cstdint>
#include <string>

namespace sptdc {

class ByteView {
 public:
  ByteView(const std::uint8_t* data, std::uint64_t size) : data_(data), size_(size) {}

  std::uint64_t size() const { return size_; }
  bool Has(std::uint64_t offset, std::uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }
  bool U16(std::uint64_t offset, std::uint16_t* value) const {
    if (!Has(offset, 2)) return false;
    *value = static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
    return true;
  }
  bool U32(std::uint64_t offset, std::uint32_t* value) const {
    if (!Has(offset, 4)) return false;
    *value = static_cast<std::uint32_t>(data_[offset]) | static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
             static_cast<std::uint32_t>(data_[offset + 2]) << 16 |
             static_cast<std::uint32_t>(data_[offset + 3]) << 24;
    return true;
  }
  bool U64(std::uint64_t offset, std::uint64_t* value) const {
    std::uint32_t low, high;
    if (!U32(offset, &low) || !U32(offset + 4, &high)) return false;
    *value = std::uint64_t{high} << 32 | low;
    return true;
  }
  // The bytes [offset, offset + length) as text.
  bool Text(std::uint64_t offset, std::uint64_t length, std::string* text) const {
    if (!Has(offset, length)) return false;
    text->assign(reinterpret_cast<const char*>(data_ + offset), length);
    return true;
  }
  // The bytes [offset, offset + length); the caller has checked Has.
  ByteView Slice(std::uint64_t offset, std::uint64_t length) const {
    return ByteView(data_ + offset, length);
  }

 private:
  const std::uint8_t* data_;
  std::uint64_t size_;
};

}  // namespace sptdc
