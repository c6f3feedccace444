// QSOs of the sample log in examples/, each scored alone through the host's
// reading, mapping and calling code and the built plug-in, against points
// worked out by hand from the locator square centres.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "host/adif_reader.h"
#include "host/contest_run.h"
#include "host/qso_fields.h"
#include "loader/loaded_plugin.h"
#include "support/temp_dir.h"

namespace sptdc::host {

namespace {

std::vector<AdifRecord> SampleRecords() {
  std::ifstream in(SPTDC_EXAMPLES_DIR "/sample.adi", std::ios::binary);
  std::vector<AdifRecord> records;
  AdifError error;
  EXPECT_TRUE(ReadAdif(in, QsoAdifFieldNames(), &records, &error)) << error.message;
  return records;
}

// The points of the one QSO of a run: the figure of the "Last QSO" line.
int PointsAlone(const EntryPoints& api, const QsoFields& qso) {
  RunSettings settings;
  settings.stationCall = "K1ZZT";
  settings.runDate = CivilDate{2024, 12, 28};
  std::vector<QsoVerdict> verdicts;
  PassLog(api, settings, {qso}, &verdicts);
  const std::string text = ScoreText(api);
  const std::size_t last = text.find("Last QSO: ");
  int points = -1;
  if (last != std::string::npos) std::sscanf(text.c_str() + last, "Last QSO: %d points", &points);
  return points;
}

TEST(SamplePointsTest, MatchDistancesComputedByHand) {
  // The station sends FN42, centre 71 W 42.5 N. Law of cosines on a sphere
  // of 6378.16 km; e.g. FN13 (77 W 43.5 N): cos d = sin 42.5 sin 43.5 +
  // cos 42.5 cos 43.5 cos 6 = 0.465046 + 0.531872, d = 0.0785314 rad =
  // 500.9 km, so 501 km and 2 points.
  const struct {
    const char* call;
    const char* received;  // the four characters the host passes on
    int km;
    int points;
  } cases[] = {
      {"W1OER", "FN42", 0, 1},       // the same square
      {"K2ZJI", "FN12", 492, 1},     // 77 W 42.5 N: 492.3 km
      {"K2SW", "FN13", 501, 2},      // 500.9 km
      {"K9ZCT", "EN53", 1467, 3},    // GRIDSQUARE EN53li cut to its square
      {"W4TGM", "EL87", 1992, 4},    // 83 W 27.5 N: 1991.8 km
      {"W4BTI", "EL96", 2000, 5},    // 81 W 26.5 N: 2000.02 km
      {"ON7AO", "JO10", 5501, 12},   // 3 E 50.5 N: 5500.9 km
      {"ES4FJR", "KO29", 6358, 13},  // 25 E 59.5 N: 6357.7 km
  };
  const std::vector<AdifRecord> records = SampleRecords();
  std::string error;
  const std::unique_ptr<LoadedPlugin> plugin = LoadedPlugin::Load(LoadedPlugin::DefaultPath(), &error);
  ASSERT_TRUE(plugin) << error;
  sptdc::testing::TempDir workDir;

  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    ASSERT_EQ(c.points, c.km / 500 + 1);
    const AdifRecord* record = nullptr;
    for (const AdifRecord& r : records) {
      const std::string* call = r.Find("CALL");
      if (call && *call == c.call && !record) record = &r;
    }
    ASSERT_NE(record, nullptr);
    const QsoFields qso = QsoFromAdif(*record, "");
    EXPECT_EQ(qso.sentExchange, "FN42");
    EXPECT_EQ(qso.receivedExchange, c.received);
    EXPECT_EQ(PointsAlone(plugin->api(), qso), c.points);
  }
}

}  // namespace

}  // namespace sptdc::host
