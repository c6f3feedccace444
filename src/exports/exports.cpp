// The ten exported entry points: a thin C layer over the Plugin. Each one
// turns null texts into empty ones, copies the host's date-time records and
// catches every exception, so nothing ever crosses into the host; on a
// failure (only memory exhaustion is possible) it returns the entry point's
// usual neutral value. Those that run the plug-in's code do so in the
// floating-point state of its own, whatever state the host calls in.
#include "sptdc.h"

#include "cabrillo/ui/operator.h"
#include "env/env.h"
#include "env/float_environment.h"
#include "plugin/plugin.h"

namespace {

// The library-wide state, created when the library is loaded and destroyed
// when it is unloaded.
sptdc::Plugin ThePlugin(sptdc::Env::Default(), sptdc::Operator::Default());

std::string Text(const char* text) { return text ? text : ""; }

sptdc::DateTime Time(const SptdcDateTime* time) {
  sptdc::DateTime value;
  if (time) {
    value.days = time->date;
    value.status = time->status;
  }
  return value;
}

}  // namespace

extern "C" {

int SPTDC_CALL AddData0(const char* myCall, const char* call, const SptdcDateTime* time, const SptdcDateTime*,
                        const SptdcDateTime*, const SptdcDateTime*, uint32_t, uint32_t frequencyHz,
                        const char* mode, const char* sentRst, const char* receivedRst,
                        const char* sentExchange, const char* receivedExchange, const char*, const char*,
                        const char*, const char*, const char*, const char*, const char*, const char*,
                        const char*, const char*, int32_t, int32_t, int32_t, double, double, const char*,
                        const char*, const char*, const char* band, const char*) {
  sptdc::ScopedFloatEnvironment computing;
  try {
    sptdc::QsoInput qso;
    qso.myCall = Text(myCall);
    qso.call = Text(call);
    qso.time = Time(time);
    qso.frequencyHz = frequencyHz;
    qso.mode = Text(mode);
    qso.sentRst = Text(sentRst);
    qso.receivedRst = Text(receivedRst);
    qso.sentExchange = Text(sentExchange);
    qso.receivedExchange = Text(receivedExchange);
    qso.band = Text(band);
    return ThePlugin.AddData(qso);
  } catch (...) {
    return 0;
  }
}

int SPTDC_CALL RemoveData0(const char*, const char* call, const SptdcDateTime*, const SptdcDateTime*,
                           const SptdcDateTime*, const SptdcDateTime*, uint32_t, uint32_t, const char*,
                           const char*, const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, int32_t, int32_t, int32_t, double, double, const char*,
                           const char*, const char*, const char* band, const char*) {
  sptdc::ScopedFloatEnvironment computing;
  try {
    return ThePlugin.RemoveData(Text(call), Text(band));
  } catch (...) {
    return 1;
  }
}

int SPTDC_CALL CheckCall0(const char* call, uint32_t, uint32_t, const char* mode, const char*, const char*,
                          const char*, const char*, const char*, const char*, const char*, const char*,
                          const char*, const char*, int32_t, int32_t, int32_t, double, double, const char*,
                          const char*, const char*, const char*, const char*, const char* band,
                          const char* otherBand, char*, char*) {
  sptdc::ScopedFloatEnvironment computing;
  try {
    return ThePlugin.CheckCall(Text(call), Text(mode), band, otherBand);
  } catch (...) {
    return 4;
  }
}

int SPTDC_CALL IsValidExchg0(const char* exchange, const char*, const char*, const char*, int32_t, int32_t,
                             int32_t exchangeIndex) {
  sptdc::ScopedFloatEnvironment computing;
  try {
    return ThePlugin.IsValidExchange(Text(exchange), exchangeIndex);
  } catch (...) {
    return 0;
  }
}

int SPTDC_CALL GetExchgCount0(const char*, const char*, const char*) { return 1; }

int SPTDC_CALL GetNumberOfSets(void) { return 1; }

const char* SPTDC_CALL GetSetName(int32_t setIndex) { return sptdc::Plugin::SetName(setIndex); }

const char* SPTDC_CALL GetResult0(int32_t* resultCode) {
  sptdc::ScopedFloatEnvironment computing;
  // The host reads nothing from this code; a null pointer is not written to.
  if (resultCode) *resultCode = -1;
  try {
    return ThePlugin.GetResult();
  } catch (...) {
    return "";
  }
}

int SPTDC_CALL ResetStats0(const char*, int32_t cabrilloExport, const char* stationCall,
                           const SptdcDateTime* runTime, const SptdcDateTime*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, int32_t, int32_t, int32_t, double, double, const char*,
                           const char*, const char*) {
  sptdc::ScopedFloatEnvironment computing;
  try {
    return ThePlugin.ResetStats(cabrilloExport, Text(stationCall), Time(runTime));
  } catch (...) {
    return 1;
  }
}

void SPTDC_CALL SetupSet0(void) {
  sptdc::ScopedFloatEnvironment computing;
  try {
    ThePlugin.SetupSet();
  } catch (...) {
  }
}

}  // extern "C"
