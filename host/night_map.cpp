#include "host/night_map.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

#include "geo/distance.h"
#include "geo/world_pos.h"
#include "util/format.h"

namespace sptdc::host {

namespace {

// The layout in SVG user units.
constexpr double kWidth = 1000.0;
constexpr double kHeight = 640.0;
constexpr double kMapCentreX = 320.0;
constexpr double kMapCentreY = 340.0;
constexpr double kMapRadius = 270.0;
constexpr double kBarsLeft = 680.0;
constexpr double kBarsTop = 90.0;
constexpr double kBarsWidth = 120.0;  // each of the two bar columns
constexpr double kBarsHeight = 500.0;

// The points step of the contest: one point per started 500 km.
constexpr double kRingKm = 500.0;

constexpr double kPi = 3.141592653589793;

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        // XML 1.0 forbids most control bytes; bytes above ASCII may not be UTF-8.
        out += (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) ? '?' : c;
    }
  }
  return out;
}

// Initial great-circle bearing from one point to another, degrees clockwise
// from north (the forward azimuth on a sphere).
double Bearing(double longitude1, double latitude1, double longitude2, double latitude2) {
  const double phi1 = DegToRad(latitude1);
  const double phi2 = DegToRad(latitude2);
  const double delta = DegToRad(longitude2 - longitude1);
  return std::atan2(std::sin(delta) * std::cos(phi2),
                    std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(delta)) *
         180.0 / kPi;
}

// From blue (1 point) through green and yellow to red (the most points).
std::string PointsColour(int points, int maxPoints) {
  const double share = maxPoints > 1 ? double(points - 1) / double(maxPoints - 1) : 0.0;
  const double hue = 240.0 * (1.0 - share);  // degrees of the colour wheel
  const double x = 1.0 - std::fabs(std::fmod(hue / 60.0, 2.0) - 1.0);
  double r = 0, g = 0, b = 0;
  if (hue < 60) {
    r = 1, g = x;
  } else if (hue < 120) {
    r = x, g = 1;
  } else if (hue < 180) {
    g = 1, b = x;
  } else {
    g = x, b = 1;
  }
  return Format("rgb(%d,%d,%d)", int(r * 210), int(g * 190), int(b * 230));
}

struct HourTally {
  int qsos = 0;
  int points = 0;
};

void AppendMap(const std::vector<QsoRow>& rows, const QsoRow& centreRow, std::string* svg) {
  double centreLon = 0, centreLat = 0;
  LocatorCenter(centreRow.sent, centreLon, centreLat);
  double maxKm = kRingKm;
  int maxPoints = 1;
  for (const QsoRow& row : rows) {
    if (row.verdict.kind != QsoVerdict::kCounted) continue;
    if (row.HasDistance()) maxKm = std::max(maxKm, row.km);
    maxPoints = std::max(maxPoints, row.points);
  }
  const int rings = int(std::ceil(maxKm / kRingKm));
  const double pxPerKm = kMapRadius / (rings * kRingKm);

  *svg += Format("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"#f4f8fb\" stroke=\"#445\"/>\n",
                 kMapCentreX, kMapCentreY, kMapRadius);
  for (int ring = 1; ring <= rings; ++ring) {
    const double radius = ring * kRingKm * pxPerKm;
    *svg += Format(
        "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"none\" stroke=\"#aab\" "
        "stroke-dasharray=\"3,3\"/>\n",
        kMapCentreX, kMapCentreY, radius);
    // A QSO beyond this ring earns ring + 1 points or more.
    if (rings <= 16 || ring % 2 == 0) {
      *svg += Format(
          "<text x=\"%.1f\" y=\"%.1f\" font-size=\"9\" fill=\"#667\" text-anchor=\"middle\">"
          "%d km: %d pts</text>\n",
          kMapCentreX, kMapCentreY - radius + 10, int(ring * kRingKm), ring + 1);
    }
  }
  const struct {
    const char* name;
    double dx, dy;
  } kCompass[] = {{"N", 0, -1}, {"E", 1, 0}, {"S", 0, 1}, {"W", -1, 0}};
  for (const auto& point : kCompass) {
    *svg += Format("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#ccd\"/>\n", kMapCentreX,
                   kMapCentreY, kMapCentreX + point.dx * kMapRadius, kMapCentreY + point.dy * kMapRadius);
    *svg += Format(
        "<text x=\"%.1f\" y=\"%.1f\" font-size=\"16\" font-weight=\"bold\" text-anchor=\"middle\" "
        "fill=\"#223\">%s</text>\n",
        kMapCentreX + point.dx * (kMapRadius + 16), kMapCentreY + point.dy * (kMapRadius + 16) + 6,
        point.name);
  }
  *svg += Format("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"4\" fill=\"#000\"/>\n", kMapCentreX, kMapCentreY);

  const QsoRow* longest = LongestQso(rows);
  *svg += "<g id=\"qsos\" stroke=\"#333\" stroke-width=\"0.5\">\n";
  for (const QsoRow& row : rows) {
    if (row.verdict.kind != QsoVerdict::kCounted) continue;
    double lon = centreLon, lat = centreLat;
    LocatorCenter(row.received, lon, lat);
    const double radius = (row.HasDistance() ? row.km : 0.0) * pxPerKm;
    const double angle = DegToRad(Bearing(centreLon, centreLat, lon, lat));
    const double x = kMapCentreX + radius * std::sin(angle);
    const double y = kMapCentreY - radius * std::cos(angle);
    *svg += Format(
        "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"4\" fill=\"%s\"><title>%s %s %s km, %d pts</title>"
        "</circle>\n",
        x, y, PointsColour(row.points, maxPoints).c_str(), Escaped(row.call).c_str(),
        Escaped(row.received).c_str(), Escaped(row.HasDistance() ? std::to_string(int(row.km)) : "?").c_str(),
        row.points);
    if (&row == longest) {
      // The name stands on the side towards the centre, inside the map.
      const bool east = x > kMapCentreX;
      *svg += Format(
          "<text x=\"%.1f\" y=\"%.1f\" font-size=\"12\" font-weight=\"bold\" stroke=\"none\" "
          "fill=\"#900\" text-anchor=\"%s\">longest: %s, %d km</text>\n",
          east ? x - 7 : x + 7, y - 7, east ? "end" : "start", Escaped(row.call).c_str(), int(row.km));
    }
  }
  *svg += "</g>\n";
  // The colour key, below the hour bars.
  const double keyLeft = kBarsLeft - 40;
  const double keyWidth = 2 * kBarsWidth + 60;
  for (int points = 1; points <= maxPoints; ++points) {
    *svg += Format("<rect x=\"%.1f\" y=\"624\" width=\"%.1f\" height=\"8\" fill=\"%s\"/>\n",
                   keyLeft + (points - 1) * keyWidth / maxPoints, keyWidth / maxPoints,
                   PointsColour(points, maxPoints).c_str());
  }
  *svg += Format(
      "<text x=\"%.1f\" y=\"619\" font-size=\"10\">dot colour: 1 point</text>\n"
      "<text x=\"%.1f\" y=\"619\" font-size=\"10\" text-anchor=\"end\">%d points</text>\n",
      keyLeft, keyLeft + keyWidth, maxPoints);
}

void AppendHourBars(const std::vector<QsoRow>& rows, std::string* svg) {
  // Hours counted from the first valid time's hour, so the night reads top
  // to bottom across midnight.
  std::map<std::int64_t, HourTally> hours;
  for (const QsoRow& row : rows) {
    if (row.verdict.kind != QsoVerdict::kCounted || row.hour < 0) continue;
    HourTally& tally = hours[row.hour];
    ++tally.qsos;
    tally.points += row.points;
  }
  *svg += Format(
      "<text x=\"%.1f\" y=\"%.1f\" font-size=\"14\" font-weight=\"bold\">Each hour (UTC)</text>\n"
      "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"#246\">QSOs</text>\n"
      "<text x=\"%.1f\" y=\"%.1f\" font-size=\"11\" fill=\"#a50\">points</text>\n",
      kBarsLeft - 40, kBarsTop - 30, kBarsLeft, kBarsTop - 10, kBarsLeft + kBarsWidth + 20, kBarsTop - 10);
  if (hours.empty()) return;
  const std::int64_t first = hours.begin()->first;
  // A log of more than two days is not one night; its first two days are drawn.
  const std::int64_t count = std::min<std::int64_t>(hours.rbegin()->first - first + 1, 48);
  int maxQsos = 1, maxPoints = 1;
  for (const auto& hour : hours) {
    maxQsos = std::max(maxQsos, hour.second.qsos);
    maxPoints = std::max(maxPoints, hour.second.points);
  }
  const double step = std::min(22.0, kBarsHeight / double(count));
  for (std::int64_t h = 0; h < count; ++h) {
    const auto found = hours.find(first + h);
    const HourTally tally = found == hours.end() ? HourTally() : found->second;
    const double y = kBarsTop + h * step;
    const double qsoWidth = kBarsWidth * tally.qsos / maxQsos;
    const double pointsWidth = kBarsWidth * tally.points / maxPoints;
    *svg += Format("<text x=\"%.1f\" y=\"%.1f\" font-size=\"%.1f\" text-anchor=\"end\">%02lld</text>\n",
                   kBarsLeft - 6, y + step * 0.7, std::min(11.0, step * 0.8),
                   static_cast<long long>((first + h) % 24));
    *svg += Format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#48c\"/>\n", kBarsLeft,
                   y + 1, qsoWidth, step - 2);
    *svg += Format("<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#e90\"/>\n",
                   kBarsLeft + kBarsWidth + 20, y + 1, pointsWidth, step - 2);
    if (step >= 9) {
      *svg += Format(
          "<text x=\"%.1f\" y=\"%.1f\" font-size=\"9\">%d</text>\n"
          "<text x=\"%.1f\" y=\"%.1f\" font-size=\"9\">%d</text>\n",
          kBarsLeft + qsoWidth + 2, y + step * 0.7, tally.qsos, kBarsLeft + kBarsWidth + 22 + pointsWidth,
          y + step * 0.7, tally.points);
    }
  }
}

}  // namespace

bool NightMapSvg(const std::vector<QsoRow>& rows, const std::string& title, std::string* svg,
                 std::string* error) {
  const QsoRow* centre = nullptr;
  for (const QsoRow& row : rows) {
    double lon = 0, lat = 0;
    if (!centre && row.verdict.kind == QsoVerdict::kCounted && LocatorCenter(row.sent, lon, lat))
      centre = &row;
  }
  if (!centre) {
    *error = "no counted QSO with a sent locator: nothing to draw";
    return false;
  }
  *svg = Format(
      "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%.0f\" height=\"%.0f\" "
      "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\">\n"
      "<rect width=\"100%%\" height=\"100%%\" fill=\"#fff\"/>\n"
      "<text x=\"20\" y=\"30\" font-size=\"18\" font-weight=\"bold\">%s</text>\n"
      "<text x=\"20\" y=\"50\" font-size=\"12\" fill=\"#445\">centred on %s; rings every 500 km</text>\n",
      kWidth, kHeight, kWidth, kHeight, Escaped(title).c_str(), Escaped(centre->sent).c_str());
  AppendMap(rows, *centre, svg);
  AppendHourBars(rows, svg);
  *svg += "</svg>\n";
  return true;
}

}  // namespace sptdc::host
