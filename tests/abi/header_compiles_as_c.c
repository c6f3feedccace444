/* The public header is usable from C: this file includes it as C and takes
 * the address of every entry point, so a missing or C++-only declaration
 * fails the build. It is compiled only, never linked. */
#include "sptdc.h"

typedef void (*AnyFunction)(void);

int SptdcHeaderCompilesAsC(void) {
  const AnyFunction entries[] = {(AnyFunction)&AddData0,       (AnyFunction)&RemoveData0,
                                 (AnyFunction)&CheckCall0,     (AnyFunction)&IsValidExchg0,
                                 (AnyFunction)&GetExchgCount0, (AnyFunction)&GetNumberOfSets,
                                 (AnyFunction)&GetSetName,     (AnyFunction)&GetResult0,
                                 (AnyFunction)&ResetStats0,    (AnyFunction)&SetupSet0};
  SptdcDateTime time = {0.0, SPTDC_TIME_VALID};
  return (int)(sizeof entries / sizeof entries[0]) + time.status;
}
