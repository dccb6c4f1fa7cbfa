# Test plumbing shared by every subsystem.
#   velnora_test(<name> SOURCES ... [LIBS ...] [LOCK] [TIMEOUT s])
#     native build: a GoogleTest program run directly (under ASan/UBSan);
#     Windows build: a GoogleTest program that CTest runs through Wine.
#     LOCK serialises tests that use the shared desktop, work directory or sound sink.
#   velnora_scenario(<name> <script> [TIMEOUT s] [SCREEN WxHxD])
#     Windows build only: an end-to-end shell scenario over the dist/ programs,
#     on a screen of that size (default 1280x1024x24): a smaller one where the
#     size is not what it tests, as the renderer's cost grows with its pixels.
if(BUILD_TESTING)
  if(WIN32)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    add_library(velnora_gtest_main ALIAS gmock_main)
  else()
    find_package(GTest REQUIRED)
    add_library(velnora_gtest_main INTERFACE)
    target_link_libraries(velnora_gtest_main INTERFACE GTest::gtest_main GTest::gmock)
  endif()
endif()

function(velnora_test name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(T "LOCK" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} velnora_gtest_main)
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()

function(velnora_scenario name script)
  if(NOT BUILD_TESTING OR NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(S "" "TIMEOUT;SCREEN" "" ${ARGN})
  if(NOT S_SCREEN)
    set(S_SCREEN 1280x1024x24)
  endif()
  if(NOT S_TIMEOUT)
    set(S_TIMEOUT 180)
  endif()
  # Its own display, Wine prefix (a copy of the run's) and wineserver, so
  # that scenarios run side by side.
  set(dir ${CMAKE_BINARY_DIR}/scenarios/${name})
  add_test(NAME e2e.${name} COMMAND ${PROJECT_SOURCE_DIR}/tools/testenv.sh ${dir} bash ${script})
  set_tests_properties(e2e.${name} PROPERTIES
    TIMEOUT ${S_TIMEOUT}
    ENVIRONMENT "VELNORA_DIST=${VELNORA_DIST_DIR};VELNORA_BUILD=${CMAKE_BINARY_DIR};VELNORA_SCENARIO_DIR=${dir};VELNORA_SCREEN=${S_SCREEN};VELNORA_PREFIX_TEMPLATE=${CMAKE_BINARY_DIR}/wineprefix;VELNORA_PROBE=$<TARGET_FILE:velprobe>;VELNORA_SOURCE=${PROJECT_SOURCE_DIR}")
endfunction()
