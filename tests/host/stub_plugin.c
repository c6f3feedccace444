/* A library with only one of the ten entry points, for the host's error on a
 * plug-in that lacks an export. */
#include "sptdc.h"

#ifdef _WIN32
#define STUB_EXPORT __declspec(dllexport)
#else
#define STUB_EXPORT __attribute__((visibility("default")))
#endif

STUB_EXPORT int SPTDC_CALL
AddData0(const char* myCall, const char* call, const SptdcDateTime* time, const SptdcDateTime* unused3,
         const SptdcDateTime* unused4, const SptdcDateTime* unused5, uint32_t unused6, uint32_t frequencyHz,
         const char* mode, const char* sentRst, const char* receivedRst, const char* sentExchange,
         const char* receivedExchange, const char* unused13, const char* unused14, const char* unused15,
         const char* unused16, const char* unused17, const char* unused18, const char* unused19,
         const char* unused20, const char* unused21, const char* unused22, int32_t unused23, int32_t unused24,
         int32_t unused25, double unused26, double unused27, const char* unused28, const char* unused29,
         const char* unused30, const char* band, const char* unused32) {
  (void)myCall;
  (void)call;
  (void)time;
  (void)unused3;
  (void)unused4;
  (void)unused5;
  (void)unused6;
  (void)frequencyHz;
  (void)mode;
  (void)sentRst;
  (void)receivedRst;
  (void)sentExchange;
  (void)receivedExchange;
  (void)unused13;
  (void)unused14;
  (void)unused15;
  (void)unused16;
  (void)unused17;
  (void)unused18;
  (void)unused19;
  (void)unused20;
  (void)unused21;
  (void)unused22;
  (void)unused23;
  (void)unused24;
  (void)unused25;
  (void)unused26;
  (void)unused27;
  (void)unused28;
  (void)unused29;
  (void)unused30;
  (void)band;
  (void)unused32;
  return 0;
}
