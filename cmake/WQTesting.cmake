# Test programs on GoogleTest, one ctest test per test case. The Windows
# builds compile GoogleTest from Debian's googletest sources with the cross
# compiler; the native lane links Debian's prebuilt libgtest.
#
#   wq_add_test(<name> [PORTABLE] [PREFIX] SOURCES <files...> [LIBS <targets...>])
#
# PORTABLE tests use only the portable core and are also built in the native
# sanitizer lane; the others are built for Windows only. PREFIX tests change
# the registry or the file system: they run in their own copy of the template
# prefix (build/wine/<name>), made before the first of them and removed after
# the last; their cases run one at a time.
include(GoogleTest)

set(WQ_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

macro(wq_enable_gtest)
  if(WIN32)
    if(NOT TARGET gtest)
      set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
      set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
      set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
      add_subdirectory(${WQ_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    endif()
  else()
    find_package(GTest REQUIRED)
  endif()
  # GoogleTest's header is most of every test's compile time: precompile it
  # once and share it between all test programs.
  if(NOT TARGET wq_test_pch)
    file(WRITE ${CMAKE_BINARY_DIR}/wq_test_pch.cpp "// precompiled test header\n")
    add_library(wq_test_pch OBJECT ${CMAKE_BINARY_DIR}/wq_test_pch.cpp)
    if(WIN32)
      target_link_libraries(wq_test_pch PRIVATE wqsdk GTest::gtest)
    else()
      target_link_libraries(wq_test_pch PRIVATE wqsdk_core GTest::gtest)
    endif()
    target_precompile_headers(wq_test_pch PRIVATE <gtest/gtest.h> <string> <vector>)
  endif()
endmacro()

function(wq_add_test name)
  cmake_parse_arguments(T "PORTABLE;PREFIX" "" "SOURCES;LIBS" ${ARGN})
  if(NOT WIN32 AND NOT T_PORTABLE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(WIN32)
    target_link_libraries(${name} PRIVATE wqsdk ${T_LIBS} GTest::gtest GTest::gtest_main)
  else()
    target_link_libraries(${name} PRIVATE wqsdk_core ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  # A test whose extra libraries change the definitions compiles without
  # the shared header instead of failing.
  target_precompile_headers(${name} REUSE_FROM wq_test_pch)
  target_compile_options(${name} PRIVATE -Wno-error=invalid-pch)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/support)
  # One value per property: gtest_discover_tests flattens lists. A private
  # prefix has its own wine server, started on demand and stopped with the
  # prefix's removal, so those tests need only their prefix fixture.
  set(fixtures wine)
  set(extra)
  if(WIN32 AND T_PREFIX)
    wq_add_prefix_fixture(${name})
    set(fixtures prefix.${name})
    set(extra ENVIRONMENT "WINEPREFIX=${WQ_PREFIX_ROOT}/${WQ_BUILD_NAME}-${name}" RESOURCE_LOCK prefix.${name})
  endif()
  # Names are read at test time: under Wine the program can only be asked
  # once the wine server of the test run is up.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES FIXTURES_REQUIRED ${fixtures} LABELS ${name} ${extra})
endfunction()

# Private prefixes are named after the build folder too, so that two builds
# of one checkout can run their tests at the same time.
set(WQ_PREFIX_ROOT ${PROJECT_SOURCE_DIR}/build/wine)
get_filename_component(WQ_BUILD_NAME ${CMAKE_BINARY_DIR} NAME)

# Setup and cleanup tests that make and remove the private prefix <name>.
function(wq_add_prefix_fixture name)
  add_test(NAME prefix.${name}.create
    COMMAND ${PROJECT_SOURCE_DIR}/tests/wine-prefix create ${WQ_BUILD_NAME}-${name})
  set_tests_properties(prefix.${name}.create PROPERTIES FIXTURES_SETUP prefix.${name})
  add_test(NAME prefix.${name}.remove
    COMMAND ${PROJECT_SOURCE_DIR}/tests/wine-prefix remove ${WQ_BUILD_NAME}-${name})
  set_tests_properties(prefix.${name}.remove PROPERTIES FIXTURES_CLEANUP prefix.${name})
endfunction()
