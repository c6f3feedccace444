#include "util/replace_all.h"

#include "util/text.h"

namespace sptdc {

std::string ReplaceAll(const std::string& text, const std::string& search, const std::string& replacement) {
  if (search == replacement) return text;
  std::string result;
  std::size_t consumed = 0;
  for (std::size_t hit = text::Find(text, search, 0); hit != std::string::npos;
       hit = text::Find(text, search, consumed)) {
    result.append(text, consumed, hit - consumed);
    result += replacement;
    consumed = hit + search.size();
  }
  result.append(text, consumed, std::string::npos);
  return result;
}

}  // namespace sptdc
