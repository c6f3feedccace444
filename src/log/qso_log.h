// The plug-in's copy of the contest log: the stored QSO records in the order
// they were stored, with the number of records of each call, band and mode
// kept beside them. The dupe checks ask for that number instead of walking
// the records, so their cost does not grow with the log. Records enter and
// leave only through this class, so the counts always match the records.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "log/qso_record.h"

namespace sptdc {

class QsoLog {
 public:
  // The records whose call, band and mode each equal these texts under the
  // case-sensitive comparison (text::Equal). Counted where that comparison
  // is byte equality, else found by comparing every record.
  std::size_t CountMatches(const std::string& call, const std::string& band, const std::string& mode) const;

  void Append(CInfo record);
  // Removes the record at this position; the records behind it move up.
  void RemoveAt(std::size_t index);
  void Clear();

  const std::vector<CInfo>& Records() const { return records_; }

 private:
  // A record's call, band and mode as the text comparison reads them.
  struct Key {
    std::string call;
    std::string band;
    std::string mode;
    bool operator==(const Key& other) const {
      return call == other.call && band == other.band && mode == other.mode;
    }
  };
  struct KeyHash {
    std::size_t operator()(const Key& key) const;
  };
  static Key KeyOf(const std::string& call, const std::string& band, const std::string& mode);

  std::vector<CInfo> records_;
  std::unordered_map<Key, std::size_t, KeyHash> counts_;  // no entry holds 0
};

}  // namespace sptdc
