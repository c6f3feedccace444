# Cross build for 32-bit Windows (the host's bitness) with MinGW-w64. Nothing of
# it runs here: its DLL is only inspected.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(SPTDC_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
