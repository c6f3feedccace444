#include "report/result_text.h"

#include "geo/distance.h"
#include "report/rates.h"
#include "util/format.h"
#include "util/text.h"

namespace sptdc {

namespace {

constexpr std::size_t kBandKeyLength = 20;

std::string BandKey(const std::string& band) {
  if (band.size() >= kBandKeyLength) return band;
  return std::string(kBandKeyLength - band.size(), '0') + band;
}

}  // namespace

void SortBands(std::vector<std::string>& bands) {
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (text::Compare(BandKey(bands[i]), BandKey(bands[j])) < 0) std::swap(bands[i], bands[j]);
    }
  }
}

ScoreText BuildScoreText(const std::vector<CInfo>& qsos, BandList& bands, const std::string& runDate,
                         const std::string& stationCall, bool withRates) {
  RateTally rates(qsos);
  ScoreText score;
  int totalQsos = 0;
  int lastQsoPoints = 0;
  score.text = Format("SPTDC TEST Contest %s\r\n\tContestant: %s \r\nBand\tQSOs\tPoints\r\n", runDate.c_str(),
                      stationCall.c_str());

  SortBands(bands.Entries());
  for (std::size_t b = 0; b < bands.size(); ++b) {
    const std::string& band = bands[b];
    int rowQsos = 0;
    int rowPoints = 0;
    for (std::size_t k = 0; k < qsos.size(); ++k) {
      const CInfo& qso = qsos[k];
      if (!text::Equal(qso.m_band, band) || qso.m_call.empty() || qso.m_dupe != 0) continue;
      ++rowQsos;
      const int points = QsoPoints(LocatorDistance(qso.m_sentExchange, qso.m_receivedExchange));
      if (withRates) rates.Account(qso.m_time, points);
      rowPoints += points;
      if (k + 1 == qsos.size()) lastQsoPoints = points;
    }
    score.text += Format("%s\t %i\t  %i\r\n", band.c_str(), rowQsos, rowPoints);
    totalQsos += rowQsos;
    score.totalPoints += rowPoints;
  }

  score.text += Format("Total\t %i\t  %i\r\n", totalQsos, score.totalPoints);
  if (withRates && !qsos.empty()) score.text += rates.Block(lastQsoPoints);
  return score;
}

}  // namespace sptdc
