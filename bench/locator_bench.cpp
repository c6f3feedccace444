// The distance between two locators, and its limit: the two locator
// readings and the six trigonometric calls that every counted record costs
// the score text, without anything around them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "geo/distance.h"
#include "geo/world_pos.h"
#include "synthetic_log.h"

namespace sptdc::bench {
namespace {

// Locator pairs as a log gives them: the own locator first.
struct Pair {
  std::string sent;
  std::string received;
};

const std::vector<Pair>& Pairs() {
  static const std::vector<Pair> pairs = [] {
    static const SyntheticLog log(256);
    std::vector<Pair> list;
    for (const testing::HostQso& qso : log.qsos()) list.push_back({qso.sentExchange, qso.receivedExchange});
    return list;
  }();
  return pairs;
}

void LocatorDistance(benchmark::State& state) {
  const std::vector<Pair>& pairs = Pairs();
  std::size_t i = 0;
  for (auto _ : state) {
    const Pair& pair = pairs[i++ % pairs.size()];
    benchmark::DoNotOptimize(sptdc::LocatorDistance(pair.sent, pair.received));
  }
}
BENCHMARK(LocatorDistance);

void LimitTrigonometryAndParses(benchmark::State& state) {
  const std::vector<Pair>& pairs = Pairs();
  std::size_t i = 0;
  for (auto _ : state) {
    const Pair& pair = pairs[i++ % pairs.size()];
    double lon1 = 0, lat1 = 0, lon2 = 0, lat2 = 0;
    benchmark::DoNotOptimize(LocatorCenter(pair.sent, lon1, lat1));
    benchmark::DoNotOptimize(LocatorCenter(pair.received, lon2, lat2));
    const double radian = 3.141592653589793 / 180.0;
    const double phi1 = lat1 * radian, phi2 = lat2 * radian, delta = (lon1 - lon2) * radian;
    benchmark::DoNotOptimize(
        std::acos(std::sin(phi1) * std::sin(phi2) + std::cos(phi1) * std::cos(phi2) * std::cos(delta)));
  }
}
BENCHMARK(LimitTrigonometryAndParses);

}  // namespace
}  // namespace sptdc::bench
