// The plug-in's library-wide state and the operations behind its ten entry
// points. The exported C functions hold one Plugin for the life of the
// library; tests make their own with a fake environment and operator.
//
// All calls come from the host's window thread, one at a time; nothing here
// locks. Texts are 8-bit, in the host's code page; the entry points have
// already turned null texts into empty ones, except where a parameter's
// null-ness matters (CheckCall's band texts).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_log.h"
#include "log/band_list.h"
#include "log/qso_log.h"
#include "log/qso_record.h"
#include "plugin/contest_rules.h"
#include "plugin/run_state.h"
#include "util/date_time.h"

namespace sptdc {

class Env;
class Operator;

// The fields of a QSO that AddData reads.
struct QsoInput {
  std::string myCall;
  std::string call;
  DateTime time;
  std::uint32_t frequencyHz = 0;
  std::string mode;
  std::string sentRst;
  std::string receivedRst;
  std::string sentExchange;
  std::string receivedExchange;
  std::string band;
};

class Plugin {
 public:
  Plugin(Env& env, Operator& op);

  // Starts a contest run; creates the day's rejection report. Returns 1.
  int ResetStats(int cabrilloExport, const std::string& stationCall, const DateTime& runTime);
  // Judges and stores one QSO: 1 stored (a dupe included), 0 rejected.
  int AddData(const QsoInput& qso);
  // Removes the first record with this call and band. Returns 1.
  int RemoveData(const std::string& call, const std::string& band);
  int CheckCall(const std::string& call, const std::string& mode, const char* band,
                const char* otherBand) const;
  int IsValidExchange(const std::string& exchange, int exchangeIndex) const;
  // Rebuilds the score text; the pointer stays valid until the next call.
  const char* GetResult();
  void SetupSet();

  static const char* SetName(int setIndex);

  const std::vector<CInfo>& Qsos() const { return QsoList.Records(); }
  const BandList& Bands() const { return SeenBands; }
  const RunState& Run() const { return run_; }
  int ClaimedScoreValue() const { return ClaimedScore; }

 private:
  // Declared in the order the library-wide objects come into being at load.
  Operator& operator_;
  CContestRules ModeRules;
  CContestRules BandRules;
  CCabrilloLog CabrilloLog;
  QsoLog QsoList;
  BandList SeenBands;
  RunState run_;
  std::string ResultText;
  int ClaimedScore = 0;
};

}  // namespace sptdc
