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

int CheckCall(const std::vector<CInfo>& qsos, const CContestRules& bandRules, const CContestRules& modeRules,
              const std::string& call, const std::string& mode, const char* band, const char* otherBand) {
  if (band && otherBand && !text::EqualNoCase(band, otherBand)) return 4;
  const std::string bandText = band ? band : "";
  if (!bandRules.Contains(bandText)) return 4;
  if (!modeRules.Contains(mode)) return 4;
  for (const CInfo& qso : qsos) {
    if (text::Equal(qso.m_call, call) && text::Equal(qso.m_band, bandText) && text::Equal(qso.m_mode, mode))
      return 0;
  }
  return 1;
}

void RemoveQso(std::vector<CInfo>& qsos, const std::string& call, const std::string& band) {
  for (auto it = qsos.begin(); it != qsos.end(); ++it) {
    if (text::Equal(it->m_call, call) && text::Equal(it->m_band, band)) {
      qsos.erase(it);
      return;
    }
  }
}

}  // namespace sptdc
