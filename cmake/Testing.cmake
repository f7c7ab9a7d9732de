# GoogleTest for both builds, and one helper to declare a test program.
include(GoogleTest)
if(CMAKE_CROSSCOMPILING)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(VEXA_GTEST_LIBS gtest gtest_main)
  # One Xvfb and one wineserver serve the whole run; this fixture ends them.
  add_test(NAME wine_stop COMMAND ${CMAKE_COMMAND} -E env VEXA_WINE_STATE=${CMAKE_BINARY_DIR}/wine
           ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --stop)
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
else()
  find_package(GTest REQUIRED)
  set(VEXA_GTEST_LIBS GTest::gtest GTest::gtest_main)
endif()

# vexa_add_test(NAME SOURCES... LIBS ...): a GoogleTest program whose cases CTest lists one by one.
function(vexa_add_test name)
  if(VEXA_FUZZ)
    return()  # the fuzz build runs only the fuzzer
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${VEXA_GTEST_LIBS})
  target_compile_definitions(${name} PRIVATE VEXA_TEST_DATA="testdata")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                       PROPERTIES FIXTURES_REQUIRED wine)
endfunction()
