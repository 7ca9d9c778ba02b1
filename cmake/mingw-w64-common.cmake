# What the two Windows toolchain files share (mingw-w64-i686.cmake, mingw-w64-x86_64.cmake):
# Debian's mingw-w64 cross compilers for CMAKE_SYSTEM_PROCESSOR, with Wine running what they
# build. KARUSELLO_MINGW_PREFIX and KARUSELLO_WINE_ARCH are set by the including file.
#
# The "-posix" compilers use the POSIX thread model; the default win32 one has no std::mutex or
# std::thread.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KARUSELLO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KARUSELLO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KARUSELLO_MINGW_PREFIX}-windres)

# Libraries and headers come from the mingw sysroot only, never from the Linux system; programs
# that run during the build (none so far) would come from the Linux system.
set(CMAKE_FIND_ROOT_PATH /usr/${KARUSELLO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debug information as DWARF 4: Wine's debugger, which prints the backtrace of a crash, names
# functions, arguments and source lines from it; from GCC 12's default DWARF 5 it shows bare
# addresses. (CMake adds its usual -g after this; the version stays 4.)
foreach(lang C CXX)
    set(CMAKE_${lang}_FLAGS_DEBUG_INIT "-gdwarf-4")
    set(CMAKE_${lang}_FLAGS_RELWITHDEBINFO_INIT "-gdwarf-4")
endforeach()

# One .exe that needs only the DLLs of Windows itself: the C and C++ runtimes and winpthreads
# are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs built here (tests, GoogleTest's test listing) run under Wine, in a Wine prefix of
# the build folder's own that the wrapper sets up on first use (scripts/wine-env.sh).
get_filename_component(KARUSELLO_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
# The prefix's architecture (win32 or win64) goes with the command, as wine-env.sh reads it.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "env;KARUSELLO_WINE_ARCH=${KARUSELLO_WINE_ARCH};${KARUSELLO_SOURCE_ROOT}/scripts/wine-env.sh;run;${CMAKE_BINARY_DIR}")
