#include "host/qso_listing.h"

#include <cmath>

#include "geo/distance.h"
#include "util/date_time.h"

namespace sptdc::host {

namespace {

std::string KmText(const QsoRow& row) { return row.HasDistance() ? std::to_string(int(row.km)) : ""; }

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::vector<QsoRow> QsoRows(const std::vector<QsoFields>& qsos, const std::vector<QsoVerdict>& verdicts) {
  std::vector<QsoRow> rows;
  for (std::size_t i = 0; i < qsos.size() && i < verdicts.size(); ++i) {
    const QsoFields& qso = qsos[i];
    const DateTime time{qso.time.date, qso.time.status};
    QsoRow row;
    row.date = time.Format("%Y-%m-%d");
    row.time = time.Format("%H%M");
    if (time.status == DateTime::kValid && time.days >= 0.0) {
      row.hour = std::int64_t(std::floor(WithHalfSecondAwayFromZero(time.days) * 24.0));
    }
    row.call = qso.call;
    row.sent = qso.sentExchange;
    row.received = qso.receivedExchange;
    row.km = LocatorDistance(qso.sentExchange, qso.receivedExchange);
    row.verdict = verdicts[i];
    if (row.verdict.kind == QsoVerdict::kCounted) row.points = QsoPoints(row.km);
    rows.push_back(row);
  }
  return rows;
}

const QsoRow* LongestQso(const std::vector<QsoRow>& rows) {
  const QsoRow* longest = nullptr;
  for (const QsoRow& row : rows) {
    if (row.verdict.kind != QsoVerdict::kCounted || !row.HasDistance()) continue;
    if (!longest || row.km > longest->km) longest = &row;
  }
  return longest;
}

void PrintQsoTable(const std::vector<QsoRow>& rows, std::FILE* out) {
  std::fprintf(out, "%-10s %-4s  %-12s %-6s %-6s %5s %3s  %s\n", "Date", "Time", "Call", "Sent", "Rcvd", "km",
               "Pts", "Verdict");
  for (const QsoRow& row : rows) {
    std::fprintf(out, "%-10s %-4s  %-12s %-6s %-6s %5s %3d  %s\n", row.date.c_str(), row.time.c_str(),
                 row.call.c_str(), row.sent.c_str(), row.received.c_str(),
                 row.HasDistance() ? KmText(row).c_str() : "-", row.points, VerdictText(row.verdict).c_str());
  }
  const QsoRow* longest = LongestQso(rows);
  if (longest) {
    std::fprintf(out, "Longest QSO: %s %s %s, %s to %s, %s km, %d points\n", longest->date.c_str(),
                 longest->time.c_str(), longest->call.c_str(), longest->sent.c_str(),
                 longest->received.c_str(), KmText(*longest).c_str(), longest->points);
  } else {
    std::fputs("Longest QSO: none counted\n", out);
  }
}

void PrintQsoCsv(const std::vector<QsoRow>& rows, std::FILE* out) {
  std::fputs("date,time,call,sent,received,km,points,verdict\r\n", out);
  for (const QsoRow& row : rows) {
    const std::string fields[] = {row.date,
                                  row.time,
                                  row.call,
                                  row.sent,
                                  row.received,
                                  KmText(row),
                                  std::to_string(row.points),
                                  VerdictText(row.verdict)};
    const char* separator = "";
    for (const std::string& field : fields) {
      std::fprintf(out, "%s%s", separator, CsvField(field).c_str());
      separator = ",";
    }
    std::fputs("\r\n", out);
  }
}

}  // namespace sptdc::host
