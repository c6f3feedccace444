#include "host/cabrillo_reader.h"

#include <gtest/gtest.h>

#include "host/log_format.h"

namespace sptdc::host {

namespace {

// A record's fields as "NAME=value" joined by blanks.
std::string Fields(const AdifRecord& record) {
  std::string text;
  for (const AdifField& field : record.fields)
    text += (text.empty() ? "" : " ") + field.name + "=" + field.value;
  return text;
}

TEST(CabrilloReaderTest, QsoLinesWithAndWithoutReports) {
  const std::string log =
      "START-OF-LOG: 3.0\r\n"
      "CALLSIGN: K1ZZT\r\n"
      "QSO:  1825 CW 2024-12-28 2200 K1ZZT         599 FN42   W6UHM         599 CM97\r\n"
      "QSO: 1826 CW 2024-12-28 2201 K1ZZT FN42 ON7AO JO10\r\n"
      "QSO: 1827 CW 2024-12-28 2202 K1ZZT 599 FN42 G4ABC 579 IO91 1\r\n"
      "QSO: 999 ?? 2024-12-28 2203 K1ZZT FN42 K2AB FN13 0\n"
      "END-OF-LOG:\r\n"
      "QSO: after the end is not read\r\n";
  CabrilloLog read;
  CabrilloError error;
  ASSERT_TRUE(ReadCabrillo(log, &read, &error)) << error.message;
  EXPECT_EQ(read.ownCall, "K1ZZT");
  const std::vector<std::string> expected = {
      "FREQ=1.825 MODE=CW QSO_DATE=20241228 TIME_ON=2200 STATION_CALLSIGN=K1ZZT RST_SENT=599 STX_STRING=FN42 "
      "CALL=W6UHM RST_RCVD=599 SRX_STRING=CM97",
      "FREQ=1.826 MODE=CW QSO_DATE=20241228 TIME_ON=2201 STATION_CALLSIGN=K1ZZT STX_STRING=FN42 CALL=ON7AO "
      "SRX_STRING=JO10",
      "FREQ=1.827 MODE=CW QSO_DATE=20241228 TIME_ON=2202 STATION_CALLSIGN=K1ZZT RST_SENT=599 STX_STRING=FN42 "
      "CALL=G4ABC RST_RCVD=579 SRX_STRING=IO91",
      "FREQ=0.999 MODE=?? QSO_DATE=20241228 TIME_ON=2203 STATION_CALLSIGN=K1ZZT STX_STRING=FN42 CALL=K2AB "
      "SRX_STRING=FN13",
  };
  ASSERT_EQ(read.records.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Fields(read.records[i]), expected[i]);
}

TEST(CabrilloReaderTest, ADamagedLineRefusesTheLog) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"QSO: 1825 CW 2024-12-28 2200 K1ZZT FN42 W6UHM", "8 to 11 fields, this one has 7"},
      {"QSO: 1825 CW 2024-12-28 2200 K1ZZT 599 FN42 W6UHM 599 CM97 0 extra", "this one has 12"},
      {"QSO: 1.825 CW 2024-12-28 2200 K1ZZT FN42 W6UHM CM97", "not a number of kilohertz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    CabrilloLog read;
    CabrilloError error;
    ASSERT_FALSE(
        ReadCabrillo(std::string("START-OF-LOG: 3.0\nQSO: 1825 CW 2024-12-28 2159 K1ZZT FN42 K1AB FN42\n") +
                         c.line + "\nEND-OF-LOG:\n",
                     &read, &error));
    EXPECT_EQ(error.line, 3u);
    EXPECT_NE(error.message.find(c.message), std::string::npos) << error.message;
    EXPECT_TRUE(read.records.empty());
  }
}

TEST(LogFormatTest, TellsTheFormatByContent) {
  const struct {
    const char* head;
    LogFormat format;
    const char* lookalike;
  } cases[] = {
      {"\xEF\xBB\xBF\r\n  start-of-log: 3.0\r\n", LogFormat::kCabrillo, ""},
      {"Any header text\n<EOH>\n", LogFormat::kAdif, ""},
      {"  <CALL:4>K1AB<EOR>", LogFormat::kAdif, ""},
      {"header without its end <ADIF_VER:5>3.1.4", LogFormat::kAdif, ""},
      {"", LogFormat::kAdif, ""},
      {"QSO: 1825 CW 2024-12-28 2200 K1ZZT FN42 W6UHM CM97\n", LogFormat::kUnknown, "Cabrillo without"},
      {"call,band,mode\nW6UHM,160m,CW\n", LogFormat::kUnknown, "CSV"},
      {"just some notes\n", LogFormat::kUnknown, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.head);
    std::string lookalike;
    EXPECT_EQ(DetectLogFormat(c.head, &lookalike), c.format);
    EXPECT_NE(lookalike.find(c.lookalike), std::string::npos) << lookalike;
    if (!*c.lookalike) {
      EXPECT_EQ(lookalike, "");
    }
  }
  std::string lookalike;
  EXPECT_EQ(DetectLogFormat(std::string("<CALL:4>\0\x01", 10), &lookalike), LogFormat::kUnknown);
  EXPECT_NE(lookalike.find("binary"), std::string::npos);
}

}  // namespace

}  // namespace sptdc::host
