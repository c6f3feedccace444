#include "env/float_environment.h"

#include <float.h>

namespace sptdc {

namespace {

// _controlfp sets the x87 and the SSE control words alike (the runtime's
// fenv functions do not round-trip the SSE word). Precision control exists
// only on the x87 unit, which 64-bit code does not use for doubles.
#ifdef _M_IX86
constexpr unsigned int kComputing = _RC_NEAR | _PC_53 | _MCW_EM | _DN_SAVE;
constexpr unsigned int kControls = _MCW_RC | _MCW_PC | _MCW_EM | _MCW_DN;
#else
constexpr unsigned int kComputing = _RC_NEAR | _MCW_EM | _DN_SAVE;
constexpr unsigned int kControls = _MCW_RC | _MCW_EM | _MCW_DN;
#endif

}  // namespace

ScopedFloatEnvironment::ScopedFloatEnvironment() {
  _controlfp_s(&callerControls_, 0, 0);
  unsigned int unused;
  _controlfp_s(&unused, kComputing, kControls);
}

// Clears the status flags first: a flag raised in here would otherwise raise
// an exception the caller unmasked at its next floating-point instruction.
ScopedFloatEnvironment::~ScopedFloatEnvironment() {
  _clearfp();
  unsigned int unused;
  _controlfp_s(&unused, callerControls_, kControls);
}

}  // namespace sptdc
