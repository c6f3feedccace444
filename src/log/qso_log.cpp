#include "log/qso_log.h"

#include <functional>

#include "util/text.h"

namespace sptdc {

std::size_t QsoLog::KeyHash::operator()(const Key& key) const {
  const std::hash<std::string> hash;
  return (hash(key.call) * 31 + hash(key.band)) * 31 + hash(key.mode);
}

QsoLog::Key QsoLog::KeyOf(const std::string& call, const std::string& band, const std::string& mode) {
  return Key{std::string(text::ComparedBytes(call)), std::string(text::ComparedBytes(band)),
             std::string(text::ComparedBytes(mode))};
}

std::size_t QsoLog::CountMatches(const std::string& call, const std::string& band,
                                 const std::string& mode) const {
  if (text::EqualIsByteEquality()) {
    const auto entry = counts_.find(KeyOf(call, band, mode));
    return entry == counts_.end() ? 0 : entry->second;
  }
  std::size_t matches = 0;
  for (const CInfo& stored : records_) {
    if (text::Equal(stored.m_call, call) && text::Equal(stored.m_band, band) &&
        text::Equal(stored.m_mode, mode))
      ++matches;
  }
  return matches;
}

void QsoLog::Append(CInfo record) {
  Key key = KeyOf(record.m_call, record.m_band, record.m_mode);
  records_.push_back(std::move(record));
  try {
    ++counts_[std::move(key)];
  } catch (...) {
    records_.pop_back();  // out of memory: the records go back to what the counts say
    throw;
  }
}

void QsoLog::RemoveAt(std::size_t index) {
  const CInfo& record = records_[index];
  const auto entry = counts_.find(KeyOf(record.m_call, record.m_band, record.m_mode));
  if (--entry->second == 0) counts_.erase(entry);
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(index));
}

void QsoLog::Clear() {
  records_.clear();
  counts_.clear();
}

}  // namespace sptdc
