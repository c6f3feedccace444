// log_normaliser.h - the QSOs of a log as a logging program stores them.
//
// Loggers write the same call, band or mode in different letter cases and
// with blanks around, and some write the log newest first. The plug-in
// compares calls, bands and modes byte for byte and takes the QSOs in the
// order given, as from a logging program that stores them in one form and in
// time order; these functions bring any log into that form before a QSO
// reaches it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/adif_reader.h"

namespace sptdc::host {

// The text without blanks (spaces and tabs) at either end.
std::string TrimBlanks(const std::string& text);

// A call or a mode as stored: trimmed, letters in upper case.
std::string NormalCall(const std::string& text);
// A band as stored: trimmed, and in ADIF's enumerated form ("160m") when it
// names an enumerated band in any letter case; other texts stay as written.
std::string NormalBand(const std::string& text);

// Every field trimmed; CALL, STATION_CALLSIGN, OPERATOR and MODE upper-case;
// BAND in its enumerated form.
void NormaliseRecord(AdifRecord* record);

// Sorts the records by QSO_DATE and TIME_ON, keeping the log order of equal
// times. Records without a readable date or time go last, in log order;
// returns their numbers in the log (counted from 1). *logNumbers, when given,
// gets the number in the log of each record in its new order.
std::vector<std::size_t> SortByDateTime(std::vector<AdifRecord>* records,
                                        std::vector<std::size_t>* logNumbers = nullptr);

}  // namespace sptdc::host
