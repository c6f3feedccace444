// adif_reader.h - reads the ADI form of an ADIF 3 log.
//
// The reader takes the whole stream in one pass and either returns every
// record or the first fault, so that a caller can refuse a damaged log before
// it acts on any of its QSOs. It streams: only the values of the fields the
// caller asks for are kept, the rest are read past, and offsets are 64-bit, so
// files of any size cost memory only for the fields kept.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace sptdc::host {

// One field as read: the name folded to upper case, the value byte for byte.
struct AdifField {
  std::string name;
  std::string value;
};

struct AdifRecord {
  std::vector<AdifField> fields;

  // The value of the first field with this upper-case name; null when absent.
  const std::string* Find(const char* upperName) const;
};

struct AdifError {
  std::uint64_t record = 0;  // the record being read, counted from 1; 0 in the header
  std::uint64_t offset = 0;  // byte offset from the start of the file
  std::string message;
  // The fault is the end of the file inside the last record: a value running
  // past the end, a tag not closed, or no final <EOR>. *records then holds
  // the complete records before it.
  bool lastRecordCutShort = false;
};

// Reads an ADI log to its end. The grammar: a header up to <EOH> unless the
// first byte (after a UTF-8 byte order mark) is "<"; then fields
// <NAME:LENGTH> or <NAME:LENGTH:TYPE> with LENGTH in bytes, names in any
// letter case, text between tags ignored, each record ended by <EOR>. An
// <EOH> before the first <EOR> of a file without header text still ends a
// header. keptFields lists the upper-case names whose values are returned;
// other fields are checked but not stored.
// On success returns true with *records holding every record, empty ones
// included. On the first fault returns false with *error filled and *records
// emptied (but see AdifError::lastRecordCutShort): a malformed tag, a value
// running past the end, a missing <EOH> or final <EOR>, an ADX (XML) file.
bool ReadAdif(std::istream& in, const std::vector<std::string>& keptFields, std::vector<AdifRecord>* records,
              AdifError* error);

}  // namespace sptdc::host
