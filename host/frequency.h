// frequency.h - ADIF frequencies and bands.
#pragma once

#include <cstdint>
#include <string>

namespace sptdc::host {

// An ADIF FREQ value, megahertz as a decimal number ("1.8225", "3.5", "7."),
// to whole hertz by decimal digit arithmetic: 1.000001 MHz is 1000001 Hz,
// where a double times a million truncates to 1000000. Digits below one
// hertz are dropped, as the plug-in drops those below a kilohertz. Blanks
// around the number are allowed. False for a negative, malformed or
// unrepresentable value.
bool MegahertzToHertz(const std::string& text, std::uint64_t* hertz);

// The ADIF band that holds the frequency, in lower case ("160m" for 1.8 to
// 2.0 MHz, both ends included); empty when no band holds it.
std::string AdifBandOf(std::uint64_t hertz);

// The band of ADIF's enumeration that text names, letter case aside ("160M"
// gives "160m"); empty when it names none.
std::string AdifBandNamed(const std::string& text);

}  // namespace sptdc::host
