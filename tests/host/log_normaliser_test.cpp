#include "host/log_normaliser.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/qso_fields.h"

namespace sptdc::host {

namespace {

// The QSOs of an ADI text as they reach the plug-in, one line each:
// "myCall|call|band|mode|sent|received|time status".
std::vector<std::string> Passed(const std::string& adi, std::vector<std::size_t>* undated) {
  std::istringstream in(adi);
  std::vector<AdifRecord> records;
  AdifError error;
  EXPECT_TRUE(ReadAdif(in, QsoAdifFieldNames(), &records, &error)) << error.message;
  for (AdifRecord& record : records) NormaliseRecord(&record);
  *undated = SortByDateTime(&records);
  std::vector<std::string> lines;
  for (const AdifRecord& record : records) {
    const QsoFields q = QsoFromAdif(record, "");
    lines.push_back(q.myCall + "|" + q.call + "|" + q.band + "|" + q.mode + "|" + q.sentExchange + "|" +
                    q.receivedExchange + "|" + std::to_string(q.time.status));
  }
  return lines;
}

TEST(LogNormaliserTest, LogsAsALoggerStoresThem) {
  const struct {
    const char* name;
    const char* adi;
    std::vector<std::string> passed;
    std::vector<std::size_t> undated;
  } cases[] = {
      {"case and blanks",
       "<CALL:7> w6uhm\t<BAND:5>160M <MODE:3>cw <STATION_CALLSIGN:6>k1zzt <STX_STRING:5>FN42 "
       "<SRX_STRING:5> IO91<QSO_DATE:8>20241228<TIME_ON:4>2200<EOR>",
       {"K1ZZT|W6UHM|160m|CW|FN42|IO91|0"},
       {}},
      {"newest first, equal times keep their order",
       "<CALL:2>C3<QSO_DATE:8>20241229<TIME_ON:6>010000<EOR>"
       "<CALL:2>B2<QSO_DATE:8>20241228<TIME_ON:4>2300<EOR>"
       "<CALL:2>A1<QSO_DATE:8>20241228<TIME_ON:4>2300<EOR>",
       {"|B2|||||0", "|A1|||||0", "|C3|||||0"},
       {}},
      {"6-character locators: GRIDSQUARE cut to its square, SRX_STRING as written",
       "<CALL:2>A1<GRIDSQUARE:6>en53li<MY_GRIDSQUARE:7> FN42hn<QSO_DATE:8>20241228<TIME_ON:4>2200<EOR>"
       "<CALL:2>B2<SRX_STRING:6>EN53LI<STX_STRING:4>FN42<QSO_DATE:8>20241228<TIME_ON:4>2201<EOR>",
       {"|A1|||FN42|en53|0", "|B2|||FN42|EN53LI|0"},
       {}},
      {"missing or unreadable times go last in log order; a band not enumerated stays as written",
       "<CALL:2>A1<BAND:5>Top  <QSO_DATE:8>20241228<EOR>"
       "<CALL:2>B2<QSO_DATE:8>20241228<TIME_ON:4>2200<EOR>"
       "<CALL:2>C3<QSO_DATE:8>20241328<TIME_ON:4>2100<EOR>",
       {"|B2|||||0", "|A1|Top||||2", "|C3|||||1"},
       {1, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::size_t> undated;
    EXPECT_EQ(Passed(c.adi, &undated), c.passed);
    EXPECT_EQ(undated, c.undated);
  }
}

TEST(LogNormaliserTest, CheckArgumentsTakeTheSameForm) {
  EXPECT_EQ(NormalCall(" w6uhm\t"), "W6UHM");
  EXPECT_EQ(NormalBand("160M "), "160m");
  EXPECT_EQ(NormalBand("70CM"), "70cm");
  EXPECT_EQ(NormalBand("TOP"), "TOP");
}

}  // namespace

}  // namespace sptdc::host
