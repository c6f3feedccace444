// qso_listing.h - one row per QSO with what the plug-in made of it, for the
// operator to check the score: `list` prints the rows as a table or as CSV,
// `map` draws them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "host/qso_fields.h"
#include "host/qso_verdict.h"

namespace sptdc::host {

struct QsoRow {
  std::string date;        // "2024-12-28"; "Invalid DateTime" or "" as the plug-in shows such times
  std::string time;        // "2130"
  std::int64_t hour = -1;  // hours since 30 December 1899 00:00 UTC; -1 without a valid time
  std::string call;
  std::string sent;
  std::string received;
  double km = -1.0;  // the plug-in's locator distance: whole km, -1 or NaN without one
  int points = 0;    // what the QSO adds to the Total: 0 unless counted
  QsoVerdict verdict;

  bool HasDistance() const { return km >= 0.0; }
};

// The rows of the QSOs in the order the plug-in received them. Distance and
// points come from the plug-in's own geometry, the sent locator first.
std::vector<QsoRow> QsoRows(const std::vector<QsoFields>& qsos, const std::vector<QsoVerdict>& verdicts);

// The counted row with the longest distance (the first of equals), or null.
const QsoRow* LongestQso(const std::vector<QsoRow>& rows);

// The table: a head line, one line per row, then the longest QSO.
void PrintQsoTable(const std::vector<QsoRow>& rows, std::FILE* out);

// RFC 4180: a header row, then one row per QSO; CR LF line ends, fields
// quoted where they hold a comma, a quote or a line end.
void PrintQsoCsv(const std::vector<QsoRow>& rows, std::FILE* out);

}  // namespace sptdc::host
