# Cross-compiles the 32-bit Windows executable, the one stations install, with Debian's
# mingw-w64 and runs what it builds under 32-bit Wine:
#   cmake --preset windows      (CMakePresets.json)

set(CMAKE_SYSTEM_PROCESSOR i686)
set(KARUSELLO_MINGW_PREFIX i686-w64-mingw32)
set(KARUSELLO_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
