#include "host/qso_fields.h"

#include <gtest/gtest.h>

#include "host/date_time.h"
#include "host/frequency.h"

namespace sptdc::host {

namespace {

TEST(FrequencyTest, MegahertzToHertzIsExact) {
  const struct {
    const char* text;
    std::uint64_t hertz;
  } good[] = {
      {"1.8225", 1822500},
      {"1.000001", 1000001},
      {"1.8229999", 1822999},
      {"3.5", 3500000},
      {"7", 7000000},
      {"7.", 7000000},
      {".5", 500000},
      {" 1.83 ", 1830000},
      {"0", 0},
      {"4294.967295", 4294967295u},
      {"10368.1", 10368100000u},
  };
  for (const auto& c : good) {
    SCOPED_TRACE(c.text);
    std::uint64_t hertz = 1;
    ASSERT_TRUE(MegahertzToHertz(c.text, &hertz));
    EXPECT_EQ(hertz, c.hertz);
  }
  for (const char* bad :
       {"", ".", "-1.8", "+1.8", "1.8.2", "1,8", "1.8 MHz", "1e6", "99999999999999999999"}) {
    SCOPED_TRACE(bad);
    std::uint64_t hertz = 1;
    EXPECT_FALSE(MegahertzToHertz(bad, &hertz));
  }
}

TEST(FrequencyTest, AdifBandIncludesBothEdges) {
  const struct {
    std::uint64_t hertz;
    const char* band;
  } cases[] = {
      {1'799'999, ""},    {1'800'000, "160m"}, {1'999'999, "160m"},     {2'000'000, "160m"},
      {2'000'001, ""},    {3'525'000, "80m"},  {14'074'000, "20m"},     {54'000'000, "6m"},
      {54'000'001, "5m"}, {144'300'000, "2m"}, {10'368'100'000, "3cm"}, {0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AdifBandOf(c.hertz), c.band) << c.hertz;
  }
}

TEST(OleDateTest, OleAutomationDates) {
  EXPECT_EQ(OleDateTime({1899, 12, 30}, 0).date, 0.0);
  EXPECT_EQ(OleDateTime({1900, 1, 1}, 0).date, 2.0);
  EXPECT_EQ(OleDateTime({2000, 1, 1}, 12 * 3600).date, 36526.5);
  EXPECT_EQ(OleDateTime({2024, 12, 28}, 22 * 3600).date, 45654.0 + 22 * 3600 / 86400.0);
  EXPECT_EQ(OleDateTime({1899, 12, 29}, 6 * 3600).date, -1.25);
  EXPECT_EQ(OleDateTime({1, 1, 1}, 0).date, -693593.0);
  EXPECT_EQ(OleDateTime({9999, 12, 31}, 0).date, 2958465.0);
  EXPECT_EQ(OleDateTime({2024, 2, 29}, 0).status, SPTDC_TIME_VALID);
}

TEST(OleDateTest, ParsesAdifAndCommandLineForms) {
  CivilDate date;
  ASSERT_TRUE(ParseAdifDate("20240229", &date));
  EXPECT_EQ(date.year, 2024);
  EXPECT_EQ(date.month, 2);
  EXPECT_EQ(date.day, 29);
  for (const char* bad :
       {"20230229", "20241301", "20241200", "00001231", "2024122", "2024-12-2", "202412281"}) {
    EXPECT_FALSE(ParseAdifDate(bad, &date)) << bad;
  }
  int second = 0;
  ASSERT_TRUE(ParseAdifTime("2359", &second));
  EXPECT_EQ(second, 23 * 3600 + 59 * 60);
  ASSERT_TRUE(ParseAdifTime("000107", &second));
  EXPECT_EQ(second, 67);
  for (const char* bad : {"2400", "1260", "123", "12345", "235960", "12a0", ""}) {
    EXPECT_FALSE(ParseAdifTime(bad, &second)) << bad;
  }
  ASSERT_TRUE(ParseIsoDate("2024-12-28", &date));
  EXPECT_EQ(date.day, 28);
  for (const char* bad : {"2024/12/28", "20241228", "2024-02-30", "2024-1-28"}) {
    EXPECT_FALSE(ParseIsoDate(bad, &date)) << bad;
  }
}

AdifRecord Record(std::vector<AdifField> fields) {
  AdifRecord record;
  record.fields = std::move(fields);
  return record;
}

TEST(QsoFromAdifTest, MapsEveryRole) {
  const QsoFields qso = QsoFromAdif(Record({{"CALL", "K1AB"},
                                            {"STATION_CALLSIGN", "W1XX"},
                                            {"OPERATOR", "W1OP"},
                                            {"QSO_DATE", "20241228"},
                                            {"TIME_ON", "220530"},
                                            {"FREQ", "1.822999"},
                                            {"MODE", "CW"},
                                            {"RST_SENT", "599"},
                                            {"RST_RCVD", "579"},
                                            {"STX_STRING", "FN42"},
                                            {"MY_GRIDSQUARE", "FN31pr"},
                                            {"SRX_STRING", "EN61"},
                                            {"GRIDSQUARE", "EN52"},
                                            {"BAND", "160M"}}),
                                    "W9OPT");
  EXPECT_EQ(qso.myCall, "W1XX");
  EXPECT_EQ(qso.call, "K1AB");
  EXPECT_EQ(qso.time.status, SPTDC_TIME_VALID);
  EXPECT_EQ(qso.time.date, 45654.0 + (22 * 3600 + 5 * 60 + 30) / 86400.0);
  EXPECT_EQ(qso.frequencyHz, 1822999u);
  EXPECT_EQ(qso.mode, "CW");
  EXPECT_EQ(qso.sentRst, "599");
  EXPECT_EQ(qso.receivedRst, "579");
  EXPECT_EQ(qso.sentExchange, "FN42");
  EXPECT_EQ(qso.receivedExchange, "EN61");
  EXPECT_EQ(qso.band, "160M") << "BAND as written";
}

TEST(QsoFromAdifTest, FallsBackInOrder) {
  QsoFields qso = QsoFromAdif(Record({{"OPERATOR", "W1OP"},
                                      {"STATION_CALLSIGN", ""},
                                      {"MY_GRIDSQUARE", "fn31pr"},
                                      {"GRIDSQUARE", "JO2"},
                                      {"FREQ", "1.8"},
                                      {"STX_STRING", ""}}),
                              "W9OPT");
  EXPECT_EQ(qso.myCall, "W1OP");
  EXPECT_EQ(qso.sentExchange, "fn31");
  EXPECT_EQ(qso.receivedExchange, "JO2");
  EXPECT_EQ(qso.band, "160m") << "the ADIF band of FREQ";

  qso = QsoFromAdif(Record({{"FREQ", "2.5"}, {"BAND", ""}}), "W9OPT");
  EXPECT_EQ(qso.myCall, "W9OPT");
  EXPECT_EQ(qso.band, "") << "no band holds 2.5 MHz";
  EXPECT_EQ(qso.frequencyHz, 2500000u);
  EXPECT_EQ(qso.sentExchange, "");
  EXPECT_EQ(qso.time.status, SPTDC_TIME_NULL);

  qso = QsoFromAdif(Record({{"FREQ", "4294.967296"}}), "");
  EXPECT_EQ(qso.frequencyHz, 0u) << "beyond 32 bits";
  EXPECT_EQ(qso.band, "");
  qso = QsoFromAdif(Record({{"FREQ", "1.8x"}}), "");
  EXPECT_EQ(qso.frequencyHz, 0u);
  EXPECT_EQ(qso.band, "");
}

TEST(QsoFromAdifTest, DateAndTimeStates) {
  const struct {
    const char* date;
    const char* time;
    std::int32_t status;
  } cases[] = {
      {"20241228", "2205", SPTDC_TIME_VALID},   {"20241228", nullptr, SPTDC_TIME_NULL},
      {nullptr, "2205", SPTDC_TIME_NULL},       {"20241228", "", SPTDC_TIME_NULL},
      {"20241328", "2205", SPTDC_TIME_INVALID}, {"20241228", "22:05", SPTDC_TIME_INVALID},
  };
  for (const auto& c : cases) {
    std::vector<AdifField> fields;
    if (c.date) fields.push_back({"QSO_DATE", c.date});
    if (c.time) fields.push_back({"TIME_ON", c.time});
    const QsoFields qso = QsoFromAdif(Record(fields), "");
    EXPECT_EQ(qso.time.status, c.status) << (c.date ? c.date : "-") << " " << (c.time ? c.time : "-");
    if (c.status == SPTDC_TIME_VALID) {
      EXPECT_EQ(qso.time.date, 45654.0 + (22 * 60 + 5) / 1440.0);
    }
  }
}

}  // namespace

}  // namespace sptdc::host
