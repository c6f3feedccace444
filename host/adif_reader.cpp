#include "host/adif_reader.h"

#include <algorithm>
#include <cstdio>

#include "util/ascii.h"

namespace sptdc::host {

namespace {

using Traits = std::char_traits<char>;

// Longest tag text accepted between "<" and ">": enough for any field name
// with its length and type, small enough that garbage cannot fill memory.
constexpr std::size_t kMaxTagLength = 1024;

// Values are read and skipped in pieces of this size, so a length of any
// size fits std::streamsize, which is 32 bits on 32-bit Windows.
constexpr std::uint64_t kChunk = 64 * 1024;

// ADIF field names exclude these characters; control bytes and blanks make a
// tag unreadable.
bool IsNameChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u > ' ' && u != 0x7F && c != ',' && c != ':' && c != '<' && c != '>' && c != '{' && c != '}';
}

// A byte reader over a stream buffer that counts its offset in 64 bits.
class ByteReader {
 public:
  explicit ByteReader(std::streambuf* buffer) : buffer_(buffer) {}

  std::uint64_t offset() const { return offset_; }

  // The next byte, or Traits::eof() at the end, without consuming it.
  int Peek() { return buffer_ ? buffer_->sgetc() : Traits::eof(); }

  void Advance() {
    buffer_->sbumpc();
    ++offset_;
  }

  // Consumes count bytes, appending them to *out when out is not null.
  // Returns false when the stream ends first.
  bool Take(std::uint64_t count, std::string* out) {
    char chunk[kChunk];
    while (count > 0) {
      const std::uint64_t want = std::min(count, kChunk);
      const std::streamsize got = buffer_ ? buffer_->sgetn(chunk, std::streamsize(want)) : 0;
      offset_ += std::uint64_t(got);
      if (out) out->append(chunk, std::size_t(got));
      if (std::uint64_t(got) != want) return false;
      count -= want;
    }
    return true;
  }

 private:
  std::streambuf* buffer_;
  std::uint64_t offset_ = 0;
};

class AdiParser {
 public:
  AdiParser(std::istream& in, const std::vector<std::string>& keptFields)
      : reader_(in.rdbuf()), kept_(keptFields) {}

  bool Run(std::vector<AdifRecord>* records, AdifError* error);

 private:
  bool Fail(std::uint64_t offset, std::string message) {
    error_.record = inHeader_ ? 0 : records_.size() + 1;
    error_.offset = offset;
    error_.message = std::move(message);
    return false;
  }
  // A fault that only the end of the file causes, inside a record.
  bool FailAtEnd(std::uint64_t offset, std::string message) {
    Fail(offset, std::move(message));
    error_.lastRecordCutShort = !inHeader_;
    return false;
  }

  bool Parse();
  bool SkipByteOrderMark();
  bool ReadTag(std::uint64_t tagOffset, std::string* tag);
  bool HandleTag(std::uint64_t tagOffset, const std::string& tag);
  bool HandleField(std::uint64_t tagOffset, const std::string& tag, std::size_t colon);
  bool Keeps(const std::string& upperName) const {
    return std::find(kept_.begin(), kept_.end(), upperName) != kept_.end();
  }

  ByteReader reader_;
  const std::vector<std::string>& kept_;
  std::vector<AdifRecord> records_;
  AdifRecord current_;
  bool recordOpen_ = false;         // a field has been read since the last <EOR>
  std::uint64_t recordOffset_ = 0;  // where the open record's first field began
  bool inHeader_ = false;
  AdifError error_;
};

bool AdiParser::SkipByteOrderMark() {
  static const char kBom[] = "\xEF\xBB\xBF";
  for (int i = 0; i < 3; ++i) {
    if (reader_.Peek() != static_cast<unsigned char>(kBom[i])) return i == 0;
    reader_.Advance();
  }
  return true;
}

bool AdiParser::Run(std::vector<AdifRecord>* records, AdifError* error) {
  records->clear();
  if (!Parse()) {
    *error = error_;
    if (error_.lastRecordCutShort) *records = std::move(records_);
    return false;
  }
  *records = std::move(records_);
  return true;
}

bool AdiParser::Parse() {
  if (!SkipByteOrderMark()) return Fail(0, "a broken UTF-8 byte order mark");
  const int first = reader_.Peek();
  inHeader_ = first != Traits::eof() && first != '<';
  for (;;) {
    const int c = reader_.Peek();
    if (c == Traits::eof()) break;
    if (c != '<') {  // text between tags carries nothing
      reader_.Advance();
      continue;
    }
    const std::uint64_t tagOffset = reader_.offset();
    std::string tag;
    if (!ReadTag(tagOffset, &tag) || !HandleTag(tagOffset, tag)) return false;
  }
  if (inHeader_) return Fail(reader_.offset(), "the header is not ended by <EOH>");
  if (recordOpen_) return FailAtEnd(recordOffset_, "the last record is not ended by <EOR>");
  return true;
}

// Reads "<...>" from the "<" at the current offset; *tag gets the text between.
bool AdiParser::ReadTag(std::uint64_t tagOffset, std::string* tag) {
  reader_.Advance();
  for (;;) {
    const int c = reader_.Peek();
    if (c == Traits::eof()) return FailAtEnd(tagOffset, "a tag is not closed by \">\"");
    if (c == '<') return Fail(tagOffset, "a tag is not closed by \">\" before the next \"<\"");
    reader_.Advance();
    if (c == '>') return true;
    if (tag->size() == kMaxTagLength) return Fail(tagOffset, "a tag is too long");
    tag->push_back(char(c));
  }
}

bool AdiParser::HandleTag(std::uint64_t tagOffset, const std::string& tag) {
  const std::string upper = UpperAscii(tag);
  // An XML declaration or the ADX root element: the other form of ADIF.
  if (upper.compare(0, 1, "?") == 0 || upper == "ADX" || upper.compare(0, 4, "ADX ") == 0) {
    return Fail(tagOffset, "an ADX (XML) file; only the ADI form is read");
  }
  const std::size_t colon = tag.find(':');
  if (colon != std::string::npos) return HandleField(tagOffset, tag, colon);
  if (upper == "EOH") {
    if (!inHeader_ && !records_.empty()) return Fail(tagOffset, "<EOH> after the first record");
    // Fields before it belonged to a header that had no text of its own.
    inHeader_ = false;
    recordOpen_ = false;
    current_ = AdifRecord();
    return true;
  }
  if (upper == "EOR") {
    if (inHeader_) return Fail(tagOffset, "<EOR> in the header, before <EOH>");
    records_.push_back(std::move(current_));
    current_ = AdifRecord();
    recordOpen_ = false;
    return true;
  }
  return Fail(tagOffset, "malformed tag <" + tag + ">: a field needs a length");
}

bool AdiParser::HandleField(std::uint64_t tagOffset, const std::string& tag, std::size_t colon) {
  const std::string name = tag.substr(0, colon);
  const std::size_t typeColon = tag.find(':', colon + 1);
  const std::string length =
      tag.substr(colon + 1, typeColon == std::string::npos ? std::string::npos : typeColon - colon - 1);
  const std::string type = typeColon == std::string::npos ? "" : tag.substr(typeColon + 1);
  // The message is built only for a fault: this runs for every field of a log.
  const auto malformed = [&](const char* why) {
    return Fail(tagOffset, "malformed field <" + tag + ">: " + why);
  };
  if (name.empty() || !std::all_of(name.begin(), name.end(), IsNameChar)) {
    return malformed("bad field name");
  }
  if (length.empty() || !std::all_of(length.begin(), length.end(), IsAsciiDigit)) {
    return malformed("the length is not a number");
  }
  if (typeColon != std::string::npos &&
      (type.empty() || !std::all_of(type.begin(), type.end(), IsAsciiLetter))) {
    return malformed("bad data type");
  }
  std::uint64_t bytes = 0;
  for (char digit : length) {
    const std::uint64_t value = std::uint64_t(digit - '0');
    if (bytes > (UINT64_MAX - value) / 10) return malformed("the length is too large");
    bytes = bytes * 10 + value;
  }
  const std::string upperName = UpperAscii(name);
  if (!inHeader_ && !recordOpen_) {
    recordOffset_ = tagOffset;
    recordOpen_ = true;
    current_.fields.reserve(kept_.size());  // one allocation per record, not one per doubling
  }
  const bool keep = !inHeader_ && Keeps(upperName);
  std::string value;
  if (!reader_.Take(bytes, keep ? &value : nullptr)) {
    char message[128];
    std::snprintf(message, sizeof message, "the value of %.40s (%llu bytes) runs past the end of the file",
                  upperName.c_str(), static_cast<unsigned long long>(bytes));
    return FailAtEnd(tagOffset, message);
  }
  if (keep) current_.fields.push_back({upperName, std::move(value)});
  return true;
}

}  // namespace

const std::string* AdifRecord::Find(const char* upperName) const {
  for (const AdifField& field : fields) {
    if (field.name == upperName) return &field.value;
  }
  return nullptr;
}

bool ReadAdif(std::istream& in, const std::vector<std::string>& keptFields, std::vector<AdifRecord>* records,
              AdifError* error) {
  return AdiParser(in, keptFields).Run(records, error);
}

}  // namespace sptdc::host
