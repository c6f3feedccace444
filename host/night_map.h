// night_map.h - a picture of the contest night as an SVG 1.1 document.
//
// Left, an azimuthal equidistant map centred on the own locator: a ring
// every 500 km labelled with the points a QSO beyond it earns, the compass
// directions, one circle per counted QSO at its bearing and distance,
// coloured by its points, and the longest QSO named. Right, bars of the QSOs
// and points of each clock hour (UTC). The document holds everything it
// shows: no scripts, fonts or images from elsewhere.
#pragma once

#include <string>
#include <vector>

#include "host/qso_listing.h"

namespace sptdc::host {

// The SVG text for the rows of a run; title names the station and the run.
// False with *error when no counted QSO has a sent locator with a centre.
bool NightMapSvg(const std::vector<QsoRow>& rows, const std::string& title, std::string* svg,
                 std::string* error);

}  // namespace sptdc::host
