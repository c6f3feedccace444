#include "cabrillo/ui/header_form.h"

#include <algorithm>

#include "util/text.h"

namespace sptdc {

namespace {

bool BeginsWithNoCase(const std::string& entry, const std::string& start) {
  return entry.size() >= start.size() && text::EqualNoCase(entry.substr(0, start.size()), start);
}

}  // namespace

std::vector<std::string> ShownEntries(const HeaderField& field) {
  std::vector<std::string> shown = field.entries;
  if (field.kind == ControlKind::kSortedList) {
    std::stable_sort(shown.begin(), shown.end(),
                     [](const std::string& a, const std::string& b) { return text::Compare(a, b) < 0; });
  }
  return shown;
}

int InitialSelection(const std::vector<std::string>& shown, const std::string& text) {
  if (text.empty()) return -1;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (BeginsWithNoCase(shown[i], text)) return static_cast<int>(i);
  }
  return -1;
}

std::string InitialText(const HeaderField& field, const std::string& text) {
  if (!IsList(field.kind)) return text;
  const std::vector<std::string> shown = ShownEntries(field);
  const int selected = InitialSelection(shown, text);
  return selected < 0 ? text : shown[static_cast<std::size_t>(selected)];
}

}  // namespace sptdc
