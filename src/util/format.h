// printf-style formatting into a std::string, for the system's texts whose
// layout is given as printf formats (report lines, score rows, QSO lines).
#pragma once

#include <string>

#ifdef __MINGW32__
#define SPTDC_PRINTF_FORMAT __attribute__((format(gnu_printf, 1, 2)))
#else
#define SPTDC_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#endif

namespace sptdc {

// The formatted text, whatever its length.
std::string Format(const char* format, ...) SPTDC_PRINTF_FORMAT;

}  // namespace sptdc
