// Entry-point calls decoded from the input, against the core with the fake
// platform: a fresh Plugin per input, then up to 64 calls of ResetStats,
// AddData, RemoveData, CheckCall, IsValidExchange, GetResult and SetupSet
// with texts, date-times and frequencies taken from the input. The header
// dialog of an export run plays the operator from the input too (it may
// change the texts and then confirm or cancel), so export runs write their
// Cabrillo files; everything is written into a scratch folder that is
// emptied after each input. The exported functions turn a null text into an
// empty one before the core sees it; only CheckCall's two band texts reach
// the core as pointers, so only they are passed as null here.
//
// Each call's result must be one that its entry point documents, and the
// QSO list must grow and shrink as the results say.
#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>

#include "plugin/plugin.h"
#include "support/fake_platform.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Texts that pass or nearly pass the rules, so inputs reach the dupe scan,
// the score and the export, and texts that have tripped up others.
const char* const kTexts[] = {
    "",     "160m",   "160M",   "80m",  "CW",       "cw",     "SSB",      "JO21", "jo22",
    "FN20", "JO21QK", "JO21MM", "JO",   "JO2X",     "JS21",   "AA00",     "RR99", "DL1ABC",
    "W1AW", "PA3ABC", "599",    "%n%s", "<CR><LF>", "a/b\\c", "Vexa.exe", " \t ", "\xff\x80",
};

std::string Text(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return in.PickValueInArray(kTexts);
  return in.ConsumeRandomLengthString(40);
}

// A null text one time in eight, else a text.
const char* NullableText(FuzzedDataProvider& in, std::string& storage) {
  if (in.ConsumeIntegralInRange(0, 7) == 0) return nullptr;
  storage = Text(in);
  return storage.c_str();
}

sptdc::DateTime Time(FuzzedDataProvider& in) {
  const double kSpecial[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::denorm_min(),
                             1e300,
                             -1e300,
                             0.0,
                             -0.0,
                             -1.5,
                             39809.875,  // 27 December 2008, 21:00
                             39809.875 + 1.0 / 1440.0,
                             -657434.0,  // 1 January 100
                             -657434.5,
                             2958465.99999,
                             2958466.0};
  sptdc::DateTime time;
  if (in.ConsumeBool()) {
    time.days = in.PickValueInArray(kSpecial);
  } else {
    const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
    std::memcpy(&time.days, &bits, sizeof time.days);
  }
  time.status =
      in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(0, 2) : in.ConsumeIntegral<std::int32_t>();
  return time;
}

sptdc::QsoInput Qso(FuzzedDataProvider& in) {
  sptdc::QsoInput qso;
  qso.myCall = Text(in);
  qso.call = Text(in);
  qso.time = Time(in);
  qso.frequencyHz = in.ConsumeIntegral<std::uint32_t>();
  qso.mode = Text(in);
  qso.sentRst = Text(in);
  qso.receivedRst = Text(in);
  qso.sentExchange = Text(in);
  qso.receivedExchange = Text(in);
  qso.band = Text(in);
  return qso;
}

// The operator at the header dialog: may change a few texts, then confirms
// or cancels.
bool PlayOperator(FuzzedDataProvider& in, sptdc::Cabrillo& dialog) {
  if (in.ConsumeBool()) dialog.Callsign = Text(in);
  if (in.ConsumeBool()) dialog.SoapBox = Text(in);
  if (in.ConsumeBool()) dialog.Location = Text(in);
  if (in.ConsumeBool()) dialog.Name = Text(in);
  return in.ConsumeBool();
}

void EmptyFolder(const std::filesystem::path& folder) {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

// Each input runs in the scratch folder; between inputs the fuzzer's own
// folder is current again, since it reads and writes corpus paths relative
// to it.
std::filesystem::path FuzzerFolder;
std::filesystem::path ScratchFolder;

void RemoveScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchFolder, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string folder = (std::filesystem::temp_directory_path() / "sptdc-fuzz-XXXXXX").string();
  Require(mkdtemp(folder.data()) != nullptr);
  ScratchFolder = folder;
  FuzzerFolder = std::filesystem::current_path();
  std::atexit(RemoveScratchFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::filesystem::current_path(ScratchFolder);
  FuzzedDataProvider in(data, size);
  sptdc::FakePlatform platform;
  platform.operatorScript = [&in](sptdc::Cabrillo& dialog) { return PlayOperator(in, dialog); };
  // What the settings file and the current folder hold for this input.
  for (const char* key : {"Operators", "Name", "SoapBox", "Claimed"}) {
    if (in.ConsumeBool()) platform.settings[key] = Text(in);
  }
  if (in.ConsumeBool()) {
    const std::string exe = in.ConsumeBool() ? "Vexa.exe" : Text(in);
    platform.executables.push_back(exe);
    if (in.ConsumeBool()) {
      platform.versions[exe] = {in.ConsumeIntegral<std::uint16_t>(), in.ConsumeIntegral<std::uint16_t>(),
                                in.ConsumeIntegral<std::uint16_t>(), in.ConsumeIntegral<std::uint16_t>()};
    }
  }
  platform.failReplace = in.ConsumeIntegralInRange(0, 7) == 0;

  sptdc::Plugin plugin(platform, platform);
  for (int call = 0; call < 64 && in.remaining_bytes() > 0; ++call) {
    const std::size_t stored = plugin.Qsos().size();
    switch (in.ConsumeIntegralInRange(0, 7)) {
      case 0: {
        const int cabrilloExport = in.ConsumeBool() ? in.ConsumeIntegral<int>() : 0;
        const std::string stationCall = Text(in);
        Require(plugin.ResetStats(cabrilloExport, stationCall, Time(in)) == 1);
        Require(plugin.Qsos().empty() && plugin.Bands().size() == 0);
        break;
      }
      case 1:
      case 2: {
        const int stores = plugin.AddData(Qso(in));
        Require((stores == 1 || stores == 0) && plugin.Qsos().size() == stored + stores);
        break;
      }
      case 3: {
        const std::string callText = Text(in);
        Require(plugin.RemoveData(callText, Text(in)) == 1);
        Require(plugin.Qsos().size() == stored || plugin.Qsos().size() + 1 == stored);
        break;
      }
      case 4: {
        const std::string callText = Text(in);
        const std::string mode = Text(in);
        std::string band, otherBand;
        const char* bandText = NullableText(in, band);
        const char* otherBandText = NullableText(in, otherBand);
        const int verdict = plugin.CheckCall(callText, mode, bandText, otherBandText);
        Require(verdict == 0 || verdict == 1 || verdict == 4);
        break;
      }
      case 5: {
        const std::string exchange = Text(in);
        const int valid = plugin.IsValidExchange(exchange, in.ConsumeIntegral<int>());
        Require(valid == 0 || valid == 1);
        break;
      }
      case 6: {
        const char* text = plugin.GetResult();
        Require(text != nullptr && std::strncmp(text, "SPTDC TEST Contest ", 19) == 0);
        break;
      }
      case 7:
        plugin.SetupSet();
        break;
    }
  }
  EmptyFolder(ScratchFolder);
  std::filesystem::current_path(FuzzerFolder);
  return 0;
}
