// The score text that the host shows: a header naming the run, one row per
// band seen with its counted QSOs and points, the Total row and, outside
// export runs, the rate block.
#pragma once

#include <string>
#include <vector>

#include "log/band_list.h"
#include "log/qso_record.h"

namespace sptdc {

struct ScoreText {
  std::string text;
  int totalPoints = 0;
};

// Sorts the bands in place, longest wavelength first for names such as
// "160m" and "80m": descending by the name left-padded with "0" to 20
// characters, by an exchange sort. The sort is not stable: names with equal
// keys may change places ("80m", "080m", "160m" gives "160m", "080m", "80m").
void SortBands(std::vector<std::string>& bands);

// Builds the text from the stored records; sorts the band list in place.
// A record counts when it has a callsign and is not a dupe; its points come
// from its two locators, the sent one first.
ScoreText BuildScoreText(const std::vector<CInfo>& qsos, BandList& bands, const std::string& runDate,
                         const std::string& stationCall, bool withRates);

}  // namespace sptdc
