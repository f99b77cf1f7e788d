# The Windows build's checks, run under Wine by ctest: the test suite as
# kelvad_tests.exe, then kelvad.exe against the Linux build, against Wine's
# registry and with its batch files run by Wine's cmd. Included by
# tests/CMakeLists.txt when cross-compiling for Windows.

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(STATUS "Wine not found: the Windows tests can be built but not run here")
  return()
endif()

set(KELVAD_HOST_BINARY "" CACHE FILEPATH
  "kelvad built for the build machine, whose output kelvad.exe must equal byte for byte")
set(KELVAD_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine CACHE PATH "The Wine prefix the Windows tests create and use")

# The stand-ins for the SDK's programs that the batch file check installs.
add_executable(kelvad_stub_tool ${CMAKE_CURRENT_SOURCE_DIR}/windows/stubs/stub_tool.cpp)
target_link_libraries(kelvad_stub_tool PRIVATE shell32)
set_target_properties(kelvad_stub_tool PROPERTIES OUTPUT_NAME stub_tool)

set(KELVAD_WINE_ENVIRONMENT
  WINEPREFIX=${KELVAD_WINE_PREFIX}
  WINEDEBUG=-all
  # No window may open: the checks run without a display.
  DISPLAY=
  KELVAD_WINE=${CMAKE_CROSSCOMPILING_EMULATOR}
  KELVAD_EXE=$<TARGET_FILE:kelvad>
  KELVAD_STUB_TOOL=$<TARGET_FILE:kelvad_stub_tool>
  KELVAD_STUB_DIR=${CMAKE_CURRENT_SOURCE_DIR}/windows/stubs
  KELVAD_WORK_DIR=${CMAKE_BINARY_DIR}/wine-checks
  KELVAD_HOST_BINARY=${KELVAD_HOST_BINARY})

add_test(NAME wine_prefix COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/wine_prefix.sh)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${KELVAD_WINE_ENVIRONMENT}")
set_tests_properties(kelvad_tests PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${KELVAD_WINE_ENVIRONMENT}")

set(KELVAD_WINE_CHECKS registry batch_files)
if(KELVAD_HOST_BINARY)
  list(APPEND KELVAD_WINE_CHECKS same_bytes)
else()
  message(STATUS "KELVAD_HOST_BINARY not set: kelvad.exe is not compared with the Linux build")
endif()
foreach(check IN LISTS KELVAD_WINE_CHECKS)
  add_test(NAME ${check} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/${check}.sh)
  set_tests_properties(${check} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${KELVAD_WINE_ENVIRONMENT}")
endforeach()
set(KELVAD_SHIPPED_PROGRAMS $<TARGET_FILE:kelvad>)
if(TARGET kelvad-wizard)
  list(APPEND KELVAD_SHIPPED_PROGRAMS $<TARGET_FILE:kelvad-wizard>)
endif()
add_test(NAME imports COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/imports.sh ${KELVAD_SHIPPED_PROGRAMS})
set_tests_properties(imports PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${KELVAD_WINE_ENVIRONMENT}")
# It changes the registry value every kelvad.exe run reads, and waits for
# Wine's server to stop.
set_tests_properties(registry PROPERTIES RUN_SERIAL TRUE)
