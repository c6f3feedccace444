#include "plugin/checks.h"

#include "geo/world_pos.h"
#include "plugin/contest_rules.h"
#include "util/text.h"

namespace sptdc {

int IsValidExchange(const std::string& exchange, int exchangeIndex) {
  if (exchange.size() != 4) return 0;
  if (exchangeIndex != 0) return 0;
  CWorldPos pos;
  pos.Parse(exchange);
  return pos.IsValid() ? 1 : 0;
}

int CheckCall(const QsoLog& qsos, const CContestRules& bandRules, const CContestRules& modeRules,
              const std::string& call, const std::string& mode, const char* band, const char* otherBand) {
  if (band && otherBand && !text::EqualNoCase(band, otherBand)) return 4;
  const std::string bandText = band ? band : "";
  if (!bandRules.Contains(bandText)) return 4;
  if (!modeRules.Contains(mode)) return 4;
  return qsos.CountMatches(call, bandText, mode) > 0 ? 0 : 1;
}

void RemoveQso(QsoLog& qsos, const std::string& call, const std::string& band) {
  const std::vector<CInfo>& records = qsos.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (text::Equal(records[i].m_call, call) && text::Equal(records[i].m_band, band)) {
      qsos.RemoveAt(i);
      return;
    }
  }
}

}  // namespace sptdc
