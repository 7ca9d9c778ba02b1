# GoogleTest and GoogleMock for the Windows build: there is no Windows package of them, so they
# are compiled here from Debian's sources (package googletest) with the cross compiler. Their
# targets carry the names that find_package(GTest) gives the Linux build (GTest::gtest,
# GTest::gmock, GTest::gtest_main, GTest::gmock_main), so the tests' CMake files are the same
# for both builds. Only the libraries that a test program links are built.

set(KARUSELLO_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's sources for the Windows build")
if(NOT EXISTS ${KARUSELLO_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${KARUSELLO_GOOGLETEST_SOURCE_DIR} "
        "(Debian package googletest; scripts/install-deps.sh installs it)")
endif()

set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# SYSTEM: their headers' warnings are not ours, as with the Linux build's installed headers.
add_subdirectory(${KARUSELLO_GOOGLETEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest
    EXCLUDE_FROM_ALL SYSTEM)
