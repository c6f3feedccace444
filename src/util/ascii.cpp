#include "util/ascii.h"

namespace sptdc {

std::string UpperAscii(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

}  // namespace sptdc
