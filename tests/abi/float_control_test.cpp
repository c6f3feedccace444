// Scores must not depend on the floating-point state the host leaves: a
// 32-bit host may run the x87 unit at 53-bit precision (the Microsoft
// runtime's default) or 64-bit (MinGW's), with another rounding mode, or with
// exceptions unmasked (a host that wants to hear about invalid operations).
// Each pair is scored in every such state and must give the text of the
// plain state, and the points worked out for it.
#include <gtest/gtest.h>

#include <cfenv>
#include <string>
#include <vector>

#include "support/host_calls.h"
#include "support/plugin_library.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include <float.h>
#endif

namespace sptdc::testing {
namespace {

struct LocatorPair {
  const char* own;
  const char* worked;
  int points;
};

// Pairs within metres of a 500 km step (the distance is rounded to the
// kilometre before the step is taken), 6-character locators, distance zero,
// and antipodes.
const LocatorPair kPairs[] = {
    {"JO21", "JO15WW", 1},    // 499.4918 km
    {"JO21", "IO50JM", 3},    // 999.5040 km
    {"JO21", "IP41IP", 3},    // 1499.4990 km
    {"JO21", "HO73SB", 4},    // 1999.4996 km
    {"JO21MM", "HO76RX", 4},  // 1999.4997 km
    {"FN31PR", "FO25EB", 4},  // 1499.5007 km
    {"FN31PR", "FO09JF", 4},  // 1999.4998 km
    {"KP20LE", "LO96HF", 4},  // 1999.4996 km
    {"FN20", "EM69RB", 3},    // 999.5012 km
    {"EM10", "DM58AS", 3},    // 1499.4982 km
    {"EM10", "DL30GI", 5},    // 1999.5002 km
    {"IO91WM", "KO08CJ", 4},  // 1499.5143 km
    {"JO21", "JO21", 1},      // 0 km
    {"JO21MM", "JO21MM", 1},  // 0 km
    {"JO21", "AD28", 41},     // 20037.5806 km, the antipode
    {"JO21", "AD28MM", 41},   // 20033.8766 km
};

// A floating-point state a host may leave, set before the plug-in is called
// and undone afterwards.
struct CallerState {
  const char* name;
#ifdef _WIN32
  unsigned int value;
  unsigned int mask;
#else
  int rounding;
  int trapped;  // exceptions that trap (glibc's feenableexcept)
#endif
};

#ifdef _WIN32
constexpr unsigned int kTrapsOfAHost = _EM_INVALID | _EM_ZERODIVIDE | _EM_OVERFLOW;
const CallerState kStates[] = {
    {"as loaded", 0, 0},
#ifdef _M_IX86
    {"53-bit precision", _PC_53, _MCW_PC},
    {"64-bit precision", _PC_64, _MCW_PC},
    {"24-bit precision", _PC_24, _MCW_PC},
#endif
    {"rounding up", _RC_UP, _MCW_RC},
    {"rounding toward zero", _RC_CHOP, _MCW_RC},
    {"denormals flushed", _DN_FLUSH, _MCW_DN},
    {"invalid, zero-divide and overflow trapped", _MCW_EM & ~kTrapsOfAHost, _MCW_EM},
};

class ScopedCallerState {
 public:
  explicit ScopedCallerState(const CallerState& state) {
    _controlfp_s(&saved_, 0, 0);
    unsigned int unused;
    _controlfp_s(&unused, state.value, state.mask);
  }
  // The state as the host sees it: the plug-in must leave it as it was.
  static unsigned int Observe() {
    unsigned int current;
    _controlfp_s(&current, 0, 0);
    return current;
  }
  ~ScopedCallerState() {
    unsigned int unused;
    _clearfp();
    _controlfp_s(&unused, saved_,
                 _MCW_EM | _MCW_RC | _MCW_DN
#ifdef _M_IX86
                     | _MCW_PC
#endif
    );
  }

 private:
  unsigned int saved_ = 0;
};
#else
const CallerState kStates[] = {
    {"as loaded", FE_TONEAREST, 0},
    {"rounding up", FE_UPWARD, 0},
    {"rounding toward zero", FE_TOWARDZERO, 0},
    {"invalid, zero-divide and overflow trapped", FE_TONEAREST, FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW},
};

class ScopedCallerState {
 public:
  explicit ScopedCallerState(const CallerState& state) {
    std::fegetenv(&saved_);
    std::fesetround(state.rounding);
    if (state.trapped) feenableexcept(state.trapped);
  }
  // The state as the host sees it: the plug-in must leave it as it was.
  static int Observe() { return std::fegetround() * 256 + fegetexcept(); }
  ~ScopedCallerState() { std::fesetenv(&saved_); }

 private:
  std::fenv_t saved_;
};
#endif

// One run with one QSO between the pair; the score text it gives.
std::string ScorePair(PluginLibrary& lib, const LocatorPair& pair) {
  const SptdcDateTime runTime = Night(20, 0);
  Reset(lib, 0, "PA3ABC", runTime);
  HostQso qso;
  qso.sentExchange = pair.own;
  qso.receivedExchange = pair.worked;
  Add(lib, qso);
  return Result(lib);
}

TEST(FloatControlTest, ScoresDoNotDependOnTheCallersFloatingPointState) {
  TempDir dir;
  PluginLibrary lib;
  std::vector<std::string> plain;
  for (const LocatorPair& pair : kPairs) {
    plain.push_back(ScorePair(lib, pair));
    const std::string lastQso = "Last QSO: " + std::to_string(pair.points) + " points";
    EXPECT_NE(plain.back().find(lastQso), std::string::npos) << pair.own << " to " << pair.worked << ":\n"
                                                             << plain.back();
  }
  for (const CallerState& state : kStates) {
    std::vector<std::string> texts;
    bool stateKept;
    {
      ScopedCallerState caller(state);
      const auto before = ScopedCallerState::Observe();
      for (const LocatorPair& pair : kPairs) texts.push_back(ScorePair(lib, pair));
      stateKept = ScopedCallerState::Observe() == before;
    }
    EXPECT_TRUE(stateKept) << state.name << ": the plug-in changed the caller's state";
    for (std::size_t i = 0; i < texts.size(); ++i)
      EXPECT_EQ(texts[i], plain[i]) << state.name << ", " << kPairs[i].own << " to " << kPairs[i].worked;
  }
}

}  // namespace
}  // namespace sptdc::testing
