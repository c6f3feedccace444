/*
 * sptdc.h - the ten entry points of the Stew Perry Topband Distance Challenge
 * scoring plug-in, as the logging program calls them.
 *
 * Contract for every entry point:
 * - The host calls from one thread, one call at a time.
 * - Every text parameter may be null; null counts as the empty text. Texts
 *   are NUL-terminated 8-bit strings in the host's ANSI code page, read only
 *   during the call.
 * - Date-time parameters that carry a role point to a valid SptdcDateTime,
 *   read only during the call. Positions marked "unused" are never read.
 * - No entry point throws, ends the process or reports failure other than by
 *   its result.
 * - Returned texts are owned by the library: the set names stay valid while
 *   the library is loaded, the score text until the next GetResult0 call.
 *
 * This header compiles as C and as C++.
 */
#ifndef SPTDC_H
#define SPTDC_H

#include <stdint.h>

#ifdef _WIN32
#define SPTDC_CALL __cdecl
#define SPTDC_EXPORT
#else
#define SPTDC_CALL
#define SPTDC_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The host's date-time record: days since 30 December 1899 00:00 with the
 * time of day as the fraction, then the validity state. */
typedef struct SptdcDateTime {
  double date;
  int32_t status; /* SPTDC_TIME_VALID, SPTDC_TIME_INVALID or SPTDC_TIME_NULL */
} SptdcDateTime;

enum { SPTDC_TIME_VALID = 0, SPTDC_TIME_INVALID = 1, SPTDC_TIME_NULL = 2 };

/* Judges and stores one logged QSO. Returns 1 when stored (a dupe included),
 * 0 when rejected; rejections and dupes are written to the day's report. */
SPTDC_EXPORT int SPTDC_CALL AddData0(
    const char* myCall, const char* call, const SptdcDateTime* time,
    const SptdcDateTime* unused3, const SptdcDateTime* unused4,
    const SptdcDateTime* unused5, uint32_t unused6, uint32_t frequencyHz,
    const char* mode, const char* sentRst, const char* receivedRst,
    const char* sentExchange, const char* receivedExchange,
    const char* unused13, const char* unused14, const char* unused15,
    const char* unused16, const char* unused17, const char* unused18,
    const char* unused19, const char* unused20, const char* unused21,
    const char* unused22, int32_t unused23, int32_t unused24, int32_t unused25,
    double unused26, double unused27, const char* unused28,
    const char* unused29, const char* unused30, const char* band,
    const char* unused32);

/* Removes the first stored QSO with this call and band (byte for byte).
 * Same parameter list as AddData0; only call and band are read. Returns 1. */
SPTDC_EXPORT int SPTDC_CALL RemoveData0(
    const char* unused0, const char* call, const SptdcDateTime* unused2,
    const SptdcDateTime* unused3, const SptdcDateTime* unused4,
    const SptdcDateTime* unused5, uint32_t unused6, uint32_t unused7,
    const char* unused8, const char* unused9, const char* unused10,
    const char* unused11, const char* unused12, const char* unused13,
    const char* unused14, const char* unused15, const char* unused16,
    const char* unused17, const char* unused18, const char* unused19,
    const char* unused20, const char* unused21, const char* unused22,
    int32_t unused23, int32_t unused24, int32_t unused25, double unused26,
    double unused27, const char* unused28, const char* unused29,
    const char* unused30, const char* band, const char* unused32);

/* Would a QSO with this call, band and mode count? 1 new, 0 dupe, 4 band or
 * mode refused or the two band texts disagree. The two trailing buffers are
 * never read or written. Changes nothing. */
SPTDC_EXPORT int SPTDC_CALL CheckCall0(
    const char* call, uint32_t unused1, uint32_t unused2, const char* mode,
    const char* unused4, const char* unused5, const char* unused6,
    const char* unused7, const char* unused8, const char* unused9,
    const char* unused10, const char* unused11, const char* unused12,
    const char* unused13, int32_t unused14, int32_t unused15, int32_t unused16,
    double unused17, double unused18, const char* unused19,
    const char* unused20, const char* unused21, const char* unused22,
    const char* unused23, const char* band, const char* otherBand,
    char* unused26, char* unused27);

/* 1 when exchange is a well-formed four-character locator and exchangeIndex
 * is 0, else 0. */
SPTDC_EXPORT int SPTDC_CALL IsValidExchg0(const char* exchange,
                                          const char* unused1,
                                          const char* unused2,
                                          const char* unused3, int32_t unused4,
                                          int32_t unused5,
                                          int32_t exchangeIndex);

/* The number of exchange fields: always 1. */
SPTDC_EXPORT int SPTDC_CALL GetExchgCount0(const char* unused0,
                                           const char* unused1,
                                           const char* unused2);

/* The number of scoring sets: always 1. */
SPTDC_EXPORT int SPTDC_CALL GetNumberOfSets(void);

/* "SPDTC (C)" for set 0, "" for any other index. Never null. */
SPTDC_EXPORT const char* SPTDC_CALL GetSetName(int32_t setIndex);

/* Builds and returns the score text (CR LF lines, tab-separated columns).
 * Stores -1 through resultCode when it is not null. In an export run it also
 * writes the Cabrillo file and shows a modal message box naming it. */
SPTDC_EXPORT const char* SPTDC_CALL GetResult0(int32_t* resultCode);

/* Starts a contest run: empties the QSO list, records the station call, the
 * run date and the export flag, and creates the day's rejection report. With
 * cabrilloExport non-zero it first shows the modal Cabrillo header dialog.
 * Returns 1. */
SPTDC_EXPORT int SPTDC_CALL ResetStats0(
    const char* unused0, int32_t cabrilloExport, const char* stationCall,
    const SptdcDateTime* runTime, const SptdcDateTime* unused4,
    const char* unused5, const char* unused6, const char* unused7,
    const char* unused8, const char* unused9, const char* unused10,
    const char* unused11, const char* unused12, const char* unused13,
    const char* unused14, int32_t unused15, int32_t unused16, int32_t unused17,
    double unused18, double unused19, const char* unused20,
    const char* unused21, const char* unused22);

/* Shows the modal box "No additional setup for this plugin". */
SPTDC_EXPORT void SPTDC_CALL SetupSet0(void);

#ifdef __cplusplus
}
#endif

#endif /* SPTDC_H */
