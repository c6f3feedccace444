// The band texts the host has shown since the run began, each once, in the
// order of arrival until the score text sorts them. Texts are distinct under
// the case-sensitive comparison, so "160m" and "160M" are two entries.
#pragma once

#include <string>
#include <vector>

namespace sptdc {

class BandList {
 public:
  // Appends the band unless an equal entry is already listed.
  void AddIfAbsent(const std::string& band);
  void Clear() { bands_.clear(); }
  std::size_t size() const { return bands_.size(); }
  const std::string& operator[](std::size_t i) const { return bands_[i]; }
  // The score text reorders the list in place.
  std::vector<std::string>& Entries() { return bands_; }

 private:
  std::vector<std::string> bands_;
};

}  // namespace sptdc
