#include "env/float_environment.h"

namespace sptdc {

// The default environment rounds to nearest and masks every exception; on
// x86-64 it also clears the SSE flush-to-zero and denormals-are-zero bits.
ScopedFloatEnvironment::ScopedFloatEnvironment() {
  std::fegetenv(&caller_);
  std::fesetenv(FE_DFL_ENV);
}

ScopedFloatEnvironment::~ScopedFloatEnvironment() { std::fesetenv(&caller_); }

}  // namespace sptdc
