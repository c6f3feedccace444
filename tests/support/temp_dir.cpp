#include "support/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace sptdc::testing {

TempDir::TempDir() : previous_(std::filesystem::current_path()) {
  std::random_device random;
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    std::filesystem::path candidate =
        std::filesystem::temp_directory_path() / ("sptdc-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) path_ = candidate;
  }
  if (path_.empty()) throw std::runtime_error("cannot create a temporary folder");
  std::filesystem::current_path(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace sptdc::testing
