// The floating-point state the plug-in computes in. A host may call with the
// x87 unit at another precision, another rounding mode or exceptions
// unmasked (a 32-bit host's runtime picks its own), and the runtime's sines
// and cosines then give other distances, or trap on a NaN. Every entry point
// that computes holds one of these: it sets the state of a freshly started
// program (round to nearest, exceptions masked, denormals kept, 53-bit x87
// precision on 32-bit Windows) and gives the caller back its own state when
// the call ends (on Windows its control words, with the status flags
// cleared; elsewhere the whole environment).
#pragma once

#ifndef _WIN32
#include <cfenv>
#endif

namespace sptdc {

class ScopedFloatEnvironment {
 public:
  ScopedFloatEnvironment();
  ~ScopedFloatEnvironment();
  ScopedFloatEnvironment(const ScopedFloatEnvironment&) = delete;
  ScopedFloatEnvironment& operator=(const ScopedFloatEnvironment&) = delete;

 private:
  // The caller's environment: an fenv_t where the C runtime saves and
  // restores it whole, the control word on Windows.
#ifdef _WIN32
  unsigned int callerControls_ = 0;
#else
  std::fenv_t caller_;
#endif
};

}  // namespace sptdc
