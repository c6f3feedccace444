#include "plugin/contest_rules.h"

#include "util/text.h"

namespace sptdc {

CContestRules::CContestRules(const char* const* table, int count) {
  for (int i = 0; i < count; ++i) entries_.emplace_back(table[i]);
}

int CContestRules::Contains(const std::string& text) const {
  for (const std::string& entry : entries_) {
    if (text::EqualNoCase(entry, text)) return 1;
  }
  return 0;
}

}  // namespace sptdc
