#include "host/frequency.h"

#include "util/ascii.h"

namespace sptdc::host {

namespace {

struct BandEdges {
  const char* name;
  std::uint64_t lowHz;
  std::uint64_t highHz;
};

// The band enumeration of ADIF 3.1, edges in hertz.
const BandEdges kBands[] = {
    {"2190m", 135'700, 137'800},
    {"630m", 472'000, 479'000},
    {"560m", 501'000, 504'000},
    {"160m", 1'800'000, 2'000'000},
    {"80m", 3'500'000, 4'000'000},
    {"60m", 5'060'000, 5'450'000},
    {"40m", 7'000'000, 7'300'000},
    {"30m", 10'100'000, 10'150'000},
    {"20m", 14'000'000, 14'350'000},
    {"17m", 18'068'000, 18'168'000},
    {"15m", 21'000'000, 21'450'000},
    {"12m", 24'890'000, 24'990'000},
    {"10m", 28'000'000, 29'700'000},
    {"8m", 40'000'000, 45'000'000},
    {"6m", 50'000'000, 54'000'000},
    {"5m", 54'000'001, 69'900'000},
    {"4m", 70'000'000, 71'000'000},
    {"2m", 144'000'000, 148'000'000},
    {"1.25m", 222'000'000, 225'000'000},
    {"70cm", 420'000'000, 450'000'000},
    {"33cm", 902'000'000, 928'000'000},
    {"23cm", 1'240'000'000, 1'300'000'000},
    {"13cm", 2'300'000'000, 2'450'000'000},
    {"9cm", 3'300'000'000, 3'500'000'000},
    {"6cm", 5'650'000'000, 5'925'000'000},
    {"3cm", 10'000'000'000, 10'500'000'000},
    {"1.25cm", 24'000'000'000, 24'250'000'000},
    {"6mm", 47'000'000'000, 47'200'000'000},
    {"4mm", 75'500'000'000, 81'000'000'000},
    {"2.5mm", 119'980'000'000, 123'000'000'000},
    {"2mm", 134'000'000'000, 149'000'000'000},
    {"1mm", 241'000'000'000, 250'000'000'000},
    {"submm", 300'000'000'000, 7'500'000'000'000},
};

// Whole megahertz above this would overflow the hertz count.
constexpr std::uint64_t kMaxMegahertz = UINT64_MAX / 1'000'000 - 1;

}  // namespace

bool MegahertzToHertz(const std::string& text, std::uint64_t* hertz) {
  std::size_t at = 0;
  std::size_t end = text.size();
  while (at < end && IsBlank(text[at])) ++at;
  while (end > at && IsBlank(text[end - 1])) --end;

  std::uint64_t megahertz = 0;
  std::size_t digits = 0;
  for (; at < end && IsAsciiDigit(text[at]); ++at, ++digits) {
    if (megahertz > kMaxMegahertz / 10) return false;
    megahertz = megahertz * 10 + std::uint64_t(text[at] - '0');
  }
  if (megahertz > kMaxMegahertz) return false;
  // Six places after the point are the hertz; further places are dropped.
  std::uint64_t fractionHz = 0;
  std::uint64_t placeValue = 100'000;
  if (at < end && text[at] == '.') {
    for (++at; at < end && IsAsciiDigit(text[at]); ++at, ++digits) {
      fractionHz += std::uint64_t(text[at] - '0') * placeValue;
      placeValue /= 10;
    }
  }
  if (digits == 0 || at != end) return false;
  *hertz = megahertz * 1'000'000 + fractionHz;
  return true;
}

std::string AdifBandOf(std::uint64_t hertz) {
  for (const BandEdges& band : kBands) {
    if (hertz >= band.lowHz && hertz <= band.highHz) return band.name;
  }
  return "";
}

std::string AdifBandNamed(const std::string& text) {
  for (const BandEdges& band : kBands) {
    if (UpperAscii(band.name) == UpperAscii(text)) return band.name;
  }
  return "";
}

}  // namespace sptdc::host
