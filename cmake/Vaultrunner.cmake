# Helpers shared by every folder's CMakeLists.

include(GoogleTest)

# Adds a folder when it has a CMakeLists.txt, so folders can be grown one at a time.
function(vr_add_dir dir)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endfunction()

# The given SOURCES, or else every .cpp of the current folder (not recursing).
macro(vr_sources out)
  if(ARG_SOURCES)
    set(${out} ${ARG_SOURCES})
  else()
    file(GLOB ${out} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
endmacro()

# vr_library(name [DEPS libs...] [SOURCES files...]): a static library with the project root on
# the include path.
function(vr_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  vr_sources(srcs)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# vr_test(name [DEPS libs...] [SOURCES files...]): a GoogleTest executable registered with CTest.
function(vr_test name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  vr_sources(srcs)
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} vr_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  # Where tests find the committed demo data and what the generators made of it.
  target_compile_definitions(${name} PRIVATE VR_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
                             VR_GENERATED_DIR="${CMAKE_BINARY_DIR}/generated"
                             VR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # Every test file parses the test framework and much of the standard library: parsed once per
  # test program, they cost a fraction of the suite's build.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h> <algorithm> <cmath> <filesystem> <fstream>
                            <functional> <map> <memory> <optional> <regex> <set> <sstream> <string> <vector>)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# vr_bench(name [DEPS libs...]): a Google Benchmark executable from the given sources.
function(vr_bench name)
  cmake_parse_arguments(ARG "" "" "DEPS;SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(PkgConfig REQUIRED)

# Generated demo data goes here; tools/make-data-tree.sh copies it beside the committed data.
set(VR_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
