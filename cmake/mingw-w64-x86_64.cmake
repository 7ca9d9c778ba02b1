# The same program as a 64-bit Windows executable, run under 64-bit Wine. Not shipped (the
# Access driver that opens the host's database is 32-bit), but tested on machines whose kernel
# cannot run 32-bit programs, where 32-bit Wine cannot start (docs/windows.md):
#   cmake --preset windows64    (CMakePresets.json)

set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KARUSELLO_MINGW_PREFIX x86_64-w64-mingw32)
set(KARUSELLO_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
