# Warnings and sanitizers shared by every target of the project.

option(KARUSELLO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(karusello_build_flags INTERFACE)
target_compile_features(karusello_build_flags INTERFACE cxx_std_20)
target_compile_options(karusello_build_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
# A warning fails the build, in every flavour and for every target of the project: a warning
# that is left standing hides the next one.
option(KARUSELLO_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" ON)
if(KARUSELLO_WARNINGS_AS_ERRORS)
    target_compile_options(karusello_build_flags INTERFACE -Werror)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 warns wrongly about std::string's operator+ when optimising (its bug 105329).
    target_compile_options(karusello_build_flags INTERFACE -Wno-restrict)
endif()

if(KARUSELLO_SANITIZE)
    target_compile_options(karusello_build_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(karusello_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# Headers are included by their path from the repository's root ("core/config/ToolBox.h"), but a
# target sees only the folders of the libraries it links: each library's include root is a
# folder in the build tree that holds one link, to the library's own source folder. A core
# library therefore cannot reach an adapter's headers, and a missing dependency shows at once.
function(karusello_expose_folder target folder scope)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()

function(karusello_current_folder out)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(${out} ${folder} PARENT_SCOPE)
endfunction()

# A static library of one subsystem folder: every .cpp in the folder (not below it). DEPENDS
# names the libraries whose headers it uses.
function(karusello_add_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC karusello_build_flags ${ARG_DEPENDS})
    karusello_current_folder(folder)
    karusello_expose_folder(${name} ${folder} PUBLIC)
endfunction()

# A folder of headers only: interfaces that other libraries implement.
function(karusello_add_interface name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE karusello_build_flags ${ARG_DEPENDS})
    karusello_current_folder(folder)
    karusello_expose_folder(${name} ${folder} INTERFACE)
endfunction()

# A program of one folder: every .cpp in it; it sees its own folder's headers.
function(karusello_add_program name)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE karusello_build_flags ${ARG_LINK})
    karusello_current_folder(folder)
    karusello_expose_folder(${name} ${folder} PRIVATE)
endfunction()

# One test executable per tested library: every .cpp in the test folder, and SOURCES besides
# (files of subfolders that only some programs take). TEST_PREFIX keeps apart the test names of
# two programs built from the same sources. RESOURCE_LOCK names a resource that its tests take
# one at a time (a shared display, a desktop).
function(karusello_add_tests name)
    cmake_parse_arguments(ARG "" "LABEL;TEST_PREFIX;RESOURCE_LOCK" "LINK;SOURCES" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINK} karusello_test_root GTest::gmock
        GTest::gtest_main)
    if(NOT ARG_LABEL)
        set(ARG_LABEL unit)
    endif()
    set(properties LABELS ${ARG_LABEL})
    if(ARG_RESOURCE_LOCK)
        list(APPEND properties RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 120
        TEST_PREFIX "${ARG_TEST_PREFIX}"
        PROPERTIES ${properties}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
