#include "log/band_list.h"

#include "util/text.h"

namespace sptdc {

void BandList::AddIfAbsent(const std::string& band) {
  for (const std::string& listed : bands_) {
    if (text::Equal(listed, band)) return;
  }
  bands_.push_back(band);
}

}  // namespace sptdc
