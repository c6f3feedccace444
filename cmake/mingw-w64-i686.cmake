# Cross build for 32-bit Windows (the host's bitness) with MinGW-w64; programs
# run under 32-bit Wine through qemu's user-mode emulator (scripts/i386-runner).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SPTDC_MINGW_PREFIX i686-w64-mingw32)
# SSE2 arithmetic, as the x64 and Linux builds compute: x87 keeps intermediates
# in extended precision and gives other distances and points.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
