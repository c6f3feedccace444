// A list of the texts that count for the contest (bands or modes), matched
// ignoring letter case.
#pragma once

#include <string>
#include <vector>

namespace sptdc {

class CContestRules {
 public:
  CContestRules(const char* const* table, int count);

  // 1 when an entry equals the text ignoring letter case, else 0.
  int Contains(const std::string& text) const;

 private:
  std::vector<std::string> entries_;
};

}  // namespace sptdc
