# Test programs: GoogleTest built from Debian's googletest sources with the
# current compiler (cross or native), one ctest test per test case.
#
#   wq_add_test(<name> [PORTABLE] SOURCES <files...> [LIBS <targets...>])
#
# PORTABLE tests use only the portable core and are also built in the native
# sanitizer lane; the others are built for Windows only.
include(GoogleTest)

set(WQ_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

macro(wq_enable_gtest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${WQ_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endmacro()

function(wq_add_test name)
  cmake_parse_arguments(T "PORTABLE" "" "SOURCES;LIBS" ${ARGN})
  if(NOT WIN32 AND NOT T_PORTABLE)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(WIN32)
    target_link_libraries(${name} PRIVATE wqsdk ${T_LIBS} gtest gtest_main)
  else()
    target_link_libraries(${name} PRIVATE wqsdk_core ${T_LIBS} gtest gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/support)
  # Names are read at test time: under Wine the program can only be asked
  # once the wine server of the test run is up.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES FIXTURES_REQUIRED wine LABELS ${name})
endfunction()
