# Warnings and sanitizers shared by every target of the project.

option(KARUSELLO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(karusello_build_flags INTERFACE)
target_compile_features(karusello_build_flags INTERFACE cxx_std_20)
target_compile_options(karusello_build_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 warns wrongly about std::string's operator+ when optimising (its bug 105329).
    target_compile_options(karusello_build_flags INTERFACE -Wno-restrict)
endif()
target_include_directories(karusello_build_flags INTERFACE ${PROJECT_SOURCE_DIR})

if(KARUSELLO_SANITIZE)
    target_compile_options(karusello_build_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(karusello_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# A static library of one subsystem folder: every .cpp in the folder (not below it).
function(karusello_add_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC karusello_build_flags ${ARG_DEPENDS})
endfunction()

# One test executable per tested library: every .cpp in the test folder.
function(karusello_add_tests name)
    cmake_parse_arguments(ARG "" "LABEL" "LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gmock GTest::gtest_main)
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 120
        PROPERTIES LABELS ${ARG_LABEL}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
