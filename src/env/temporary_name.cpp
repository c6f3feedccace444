#include "env/temporary_name.h"

namespace sptdc {

std::string TemporaryNameBeside(const std::string& path, unsigned long process, unsigned attempt) {
  return path + "." + std::to_string(process) + "-" + std::to_string(attempt) + ".tmp";
}

}  // namespace sptdc
