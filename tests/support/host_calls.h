// The entry points called as the host calls them: every parameter list in
// full, with junk in each position the plug-in must not read, so a plug-in
// that reads a wrong position gets garbage and fails the tests.
#pragma once

#include <cmath>
#include <string>

#include "support/expected_texts.h"
#include "support/plugin_library.h"

namespace sptdc::testing {

// A date-time that no position may read: the wrong day in the invalid state.
inline const SptdcDateTime* JunkTime() {
  static const SptdcDateTime junk = {std::nan(""), SPTDC_TIME_INVALID};
  return &junk;
}
inline const char* Junk() { return "JUNK%n%s"; }
constexpr int32_t kJunkInt = 0x7eadbeef;
constexpr double kJunkReal = -1.0e300;

// 27 December 2008 at hh:mm, valid.
inline SptdcDateTime Night(int hour, int minute) { return {ContestNight(hour, minute), SPTDC_TIME_VALID}; }

struct HostQso {
  const char* myCall = "PA3ABC";
  const char* call = "DL1ABC";
  SptdcDateTime time = Night(21, 0);
  uint32_t frequencyHz = 1830500;
  const char* mode = "CW";
  const char* sentRst = "599";
  const char* receivedRst = "579";
  const char* sentExchange = "JO21";
  const char* receivedExchange = "JO22";
  const char* band = "160m";
};

// Each call takes the text and the date-time for its unused positions;
// they default to the junk above.
inline int Add(PluginLibrary& lib, const HostQso& q, const char* j = Junk(),
               const SptdcDateTime* jt = JunkTime()) {
  return lib.AddData0(q.myCall, q.call, &q.time, jt, jt, jt, 0xdeadbeefu, q.frequencyHz, q.mode, q.sentRst,
                      q.receivedRst, q.sentExchange, q.receivedExchange, j, j, j, j, j, j, j, j, j, j,
                      kJunkInt, kJunkInt, kJunkInt, kJunkReal, kJunkReal, j, j, j, q.band, j);
}

inline int Remove(PluginLibrary& lib, const char* call, const char* band, const char* j = Junk(),
                  const SptdcDateTime* jt = JunkTime()) {
  return lib.RemoveData0(j, call, jt, jt, jt, jt, 0xdeadbeefu, 0xdeadbeefu, j, j, j, j, j, j, j, j, j, j, j,
                         j, j, j, j, kJunkInt, kJunkInt, kJunkInt, kJunkReal, kJunkReal, j, j, j, band, j);
}

// The two trailing buffers are the host's; the plug-in must leave them alone.
inline int Check(PluginLibrary& lib, const char* call, const char* mode, const char* band,
                 const char* otherBand, char* buffer1, char* buffer2, const char* j = Junk()) {
  return lib.CheckCall0(call, 0xdeadbeefu, 0xdeadbeefu, mode, j, j, j, j, j, j, j, j, j, j, kJunkInt,
                        kJunkInt, kJunkInt, kJunkReal, kJunkReal, j, j, j, j, j, band, otherBand, buffer1,
                        buffer2);
}

inline int ValidExchange(PluginLibrary& lib, const char* exchange, int32_t index, const char* j = Junk()) {
  return lib.IsValidExchg0(exchange, j, j, j, kJunkInt, kJunkInt, index);
}

inline int Reset(PluginLibrary& lib, int32_t cabrilloExport, const char* stationCall,
                 const SptdcDateTime& runTime, const char* j = Junk(), const SptdcDateTime* jt = JunkTime()) {
  return lib.ResetStats0(j, cabrilloExport, stationCall, &runTime, jt, j, j, j, j, j, j, j, j, j, j, kJunkInt,
                         kJunkInt, kJunkInt, kJunkReal, kJunkReal, j, j, j);
}

inline std::string Result(PluginLibrary& lib) {
  int32_t code = 12345;
  const char* text = lib.GetResult0(&code);
  return code == -1 && text ? std::string(text) : "(result code " + std::to_string(code) + ")";
}

}  // namespace sptdc::testing
