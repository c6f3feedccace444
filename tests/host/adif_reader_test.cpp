#include "host/adif_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

namespace sptdc::host {

namespace {

const std::vector<std::string> kKept = {"CALL", "GRIDSQUARE", "COMMENT"};

struct Parsed {
  bool ok = false;
  std::vector<AdifRecord> records;
  AdifError error;
};

Parsed Parse(const std::string& text) {
  std::istringstream in(text);
  Parsed parsed;
  parsed.ok = ReadAdif(in, kKept, &parsed.records, &parsed.error);
  return parsed;
}

TEST(AdifReaderTest, ReadsHeaderAndRecordsByByteLength) {
  const std::string header = "Log of K1ZZT, any header text\n<ADIF_VER:5>3.1.4 <CALL:4>HDR1 <eoh>\n";
  const std::string records =
      "<call:4>K1AB<GridSquare:4:S>FN42 <RST_SENT:3>599 <EOR>\n"
      "<CALL:6>N2<\n>X <COMMENT:11>two\r\nlines<  between <Eor>\n";
  const Parsed parsed = Parse(header + records);
  ASSERT_TRUE(parsed.ok) << parsed.error.message;
  ASSERT_EQ(parsed.records.size(), 2u);

  const AdifRecord& first = parsed.records[0];
  ASSERT_NE(first.Find("CALL"), nullptr);
  EXPECT_EQ(*first.Find("CALL"), "K1AB");
  ASSERT_NE(first.Find("GRIDSQUARE"), nullptr);
  EXPECT_EQ(*first.Find("GRIDSQUARE"), "FN42");
  EXPECT_EQ(first.Find("RST_SENT"), nullptr) << "fields not asked for are not kept";

  const AdifRecord& second = parsed.records[1];
  EXPECT_EQ(*second.Find("CALL"), "N2<\n>X");
  EXPECT_EQ(*second.Find("COMMENT"), "two\r\nlines<");
}

TEST(AdifReaderTest, NoHeaderWhenTheFileStartsWithATag) {
  const Parsed parsed = Parse("<CALL:4>K1AB<EOR><CALL:4>K2AB<EOR>");
  ASSERT_TRUE(parsed.ok) << parsed.error.message;
  ASSERT_EQ(parsed.records.size(), 2u);
  EXPECT_EQ(*parsed.records[1].Find("CALL"), "K2AB");
}

TEST(AdifReaderTest, AnEohBeforeTheFirstRecordEndsAHeaderWithoutText) {
  const Parsed parsed = Parse("<ADIF_VER:5>3.1.4<CALL:4>HDR1<EOH>\n<CALL:4>K1AB<EOR>\n");
  ASSERT_TRUE(parsed.ok) << parsed.error.message;
  ASSERT_EQ(parsed.records.size(), 1u);
  EXPECT_EQ(*parsed.records[0].Find("CALL"), "K1AB");
}

TEST(AdifReaderTest, ByteOrderMarkEmptyFileAndEmptyRecords) {
  Parsed parsed = Parse("\xEF\xBB\xBF<CALL:4>K1AB<EOR>");
  ASSERT_TRUE(parsed.ok) << parsed.error.message;
  ASSERT_EQ(parsed.records.size(), 1u);

  parsed = Parse("");
  ASSERT_TRUE(parsed.ok);
  EXPECT_TRUE(parsed.records.empty());

  parsed = Parse("header<EOH>\n<EOR>\n<CALL:0><EOR>");
  ASSERT_TRUE(parsed.ok) << parsed.error.message;
  ASSERT_EQ(parsed.records.size(), 2u);
  EXPECT_TRUE(parsed.records[0].fields.empty());
  ASSERT_NE(parsed.records[1].Find("CALL"), nullptr);
  EXPECT_EQ(*parsed.records[1].Find("CALL"), "");
}

TEST(AdifReaderTest, TheFirstOfTwoFieldsOfOneNameCounts) {
  const Parsed parsed = Parse("<CALL:4>K1AB<call:4>K2AB<EOR>");
  ASSERT_TRUE(parsed.ok);
  EXPECT_EQ(*parsed.records[0].Find("CALL"), "K1AB");
}

struct FaultCase {
  const char* text;
  std::uint64_t record;
  std::uint64_t offset;
  const char* message;    // a part of the message
  bool cutShort = false;  // only the end of the file is wrong: the complete records come back
};

TEST(AdifReaderTest, FaultsNameRecordAndOffsetAndReturnNoRecordsUnlessTheEndCutsTheLastShort) {
  const FaultCase cases[] = {
      {"<CALL:4>K1AB<EOR><CALL:x>K2AB<EOR>", 2, 17, "the length is not a number"},
      {"<CALL:4>K1AB<EOR><CALL>K2AB<EOR>", 2, 17, "a field needs a length"},
      {"<CALL:4>K1AB<EOR><CALL:-4>K2AB<EOR>", 2, 17, "the length is not a number"},
      {"<CALL:4:>K1AB<EOR>", 1, 0, "bad data type"},
      {"<CALL:4:S1>K1AB<EOR>", 1, 0, "bad data type"},
      {"<:4>K1AB<EOR>", 1, 0, "bad field name"},
      {"<MY CALL:4>K1AB<EOR>", 1, 0, "bad field name"},
      {"<CALL:4>K1AB<EOR><CALL:99999999999999999999>K", 2, 17, "the length is too large"},
      {"<CALL:4>K1AB<EOR><CALL:10>K2AB<EOR>", 2, 17, "runs past the end of the file", true},
      {"<CALL:4>K1AB<EOR><CALL:4>K2A", 2, 17, "runs past the end of the file", true},
      {"<CALL:4>K1AB<EOR><CALL:4", 2, 17, "not closed", true},
      {"<CALL:4>K1AB<EOR><CALL:4<EOR>", 2, 17, "before the next"},
      {"<CALL:4>K1AB<EOR><CALL:4>K2AB", 2, 17, "not ended by <EOR>", true},
      {"Header text <ADIF_VER:5>3.1.4\n", 0, 30, "not ended by <EOH>"},
      {"Header text <CALL:4>K1AB<EOR>", 0, 24, "<EOR> in the header"},
      {"<CALL:4>K1AB<EOR><EOH>", 2, 17, "<EOH> after the first record"},
      {"<?xml version=\"1.0\"?>\n<ADX><RECORDS/></ADX>", 1, 0, "ADX (XML)"},
      {"\n<?xml version=\"1.0\"?>\n<ADX>", 0, 1, "ADX (XML)"},
      {"<adx>", 1, 0, "ADX (XML)"},
      {"\xEF\xBB<CALL:4>K1AB<EOR>", 1, 0, "byte order mark"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.text);
    const Parsed parsed = Parse(c.text);
    ASSERT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.error.lastRecordCutShort, c.cutShort);
    EXPECT_EQ(parsed.records.size(), c.cutShort ? 1u : 0u);
    EXPECT_EQ(parsed.error.record, c.record);
    EXPECT_EQ(parsed.error.offset, c.offset);
    EXPECT_NE(parsed.error.message.find(c.message), std::string::npos) << parsed.error.message;
  }
}

TEST(AdifReaderTest, ATagOfGarbageIsCutShort) {
  const Parsed parsed = Parse("<CALL:4>K1AB<EOR><" + std::string(100000, 'x') + ">");
  ASSERT_FALSE(parsed.ok);
  EXPECT_EQ(parsed.error.offset, 17u);
  EXPECT_NE(parsed.error.message.find("too long"), std::string::npos);
}

// A stream of a record, then one field whose value of several gigabytes is
// never held in memory, then a broken tag. Serving the long value costs
// nothing: its bytes are counted, not copied.
class LongFieldStream : public std::streambuf {
 public:
  LongFieldStream(std::string head, std::uint64_t fillerBytes, std::string tail)
      : head_(std::move(head)), filler_(fillerBytes), tail_(std::move(tail)) {
    setg(&head_[0], &head_[0], &head_[0] + head_.size());
  }

 protected:
  int_type underflow() override {
    if (stage_ == 0) {
      stage_ = 1;
      return NextFillerChunk();
    }
    if (stage_ == 1 && filler_ > 0) return NextFillerChunk();
    if (stage_ == 1) {
      stage_ = 2;
      setg(&tail_[0], &tail_[0], &tail_[0] + tail_.size());
      return traits_type::to_int_type(tail_[0]);
    }
    return traits_type::eof();
  }

  std::streamsize xsgetn(char* out, std::streamsize count) override {
    std::streamsize done = 0;
    while (done < count) {
      if (gptr() == egptr() && underflow() == traits_type::eof()) break;
      const std::streamsize step = std::min<std::streamsize>(count - done, egptr() - gptr());
      if (stage_ != 1) std::memcpy(out + done, gptr(), std::size_t(step));
      gbump(int(step));
      done += step;
    }
    return done;
  }

 private:
  int_type NextFillerChunk() {
    const std::uint64_t size = std::min<std::uint64_t>(filler_, sizeof chunk_);
    filler_ -= size;
    std::memset(chunk_, 'x', sizeof chunk_);
    setg(chunk_, chunk_, chunk_ + size);
    return traits_type::to_int_type(chunk_[0]);
  }

  std::string head_;
  std::uint64_t filler_;
  std::string tail_;
  int stage_ = 0;
  char chunk_[1 << 20];
};

TEST(AdifReaderTest, FilesBeyondFourGigabytesKeepTheirOffsets) {
  const std::uint64_t filler = (std::uint64_t(9) << 29);  // 4.5 GiB
  const std::string head = "<CALL:4>K1AB<EOR><CALL:4>K2AB<NOTES:" + std::to_string(filler) + ">";
  auto buffer = std::make_unique<LongFieldStream>(head, filler, "<EOR><CALL:4>K3AB<BAD><EOR>");
  std::istream in(buffer.get());
  std::vector<AdifRecord> records;
  AdifError error;
  ASSERT_FALSE(ReadAdif(in, kKept, &records, &error));
  EXPECT_EQ(error.record, 3u);
  EXPECT_EQ(error.offset, head.size() + filler + 17);
  EXPECT_NE(error.message.find("<BAD>"), std::string::npos) << error.message;
}

}  // namespace

}  // namespace sptdc::host
