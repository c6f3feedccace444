#include "host/scratch_folder.h"

#include <random>

namespace sptdc::host {

ScratchFolder::ScratchFolder() {
  std::error_code ec;
  previous_ = std::filesystem::current_path(ec);
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) {
    error_ = "no folder for temporary files: " + ec.message();
    return;
  }
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = base / ("sptdc-host-" + std::to_string(random()));
    if (!std::filesystem::create_directory(candidate, ec)) continue;
    std::filesystem::current_path(candidate, ec);
    if (ec) {
      std::filesystem::remove(candidate, ec);
      break;
    }
    path_ = candidate;
    return;
  }
  error_ = "cannot make a temporary folder in " + base.string() + (ec ? ": " + ec.message() : "");
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
  std::filesystem::remove_all(path_, ec);
}

}  // namespace sptdc::host
