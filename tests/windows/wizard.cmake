# The end-to-end check of the Windows wizard under Wine and Xvfb (wizard.sh):
# kelvad.exe shows the wizard, and a Qt test walks a real window to "Go!".
# Included by tests/CMakeLists.txt when the Windows build has the wizard and
# Wine is there.

add_executable(kelvad_wizard_go ${CMAKE_CURRENT_SOURCE_DIR}/windows/wizard_go_test.cpp)
target_link_libraries(kelvad_wizard_go PRIVATE kelvad_ui Qt6::Test)
add_dependencies(kelvad_wizard_go kelvad kelvad-wizard)

set(KELVAD_SHOTS_DIR ${CMAKE_BINARY_DIR}/wine-checks/shots CACHE PATH
  "Where the end-to-end check of the wizard leaves its screenshots")
add_test(NAME wizard COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/wizard.sh)
set_tests_properties(wizard PROPERTIES FIXTURES_REQUIRED wine
  ENVIRONMENT "${KELVAD_WINE_ENVIRONMENT};KELVAD_WIZARD_GO=$<TARGET_FILE:kelvad_wizard_go>;KELVAD_SHOTS_DIR=${KELVAD_SHOTS_DIR};KELVAD_DATA_DIR=${CMAKE_SOURCE_DIR}/data"
  # It puts an SDK on a drive of the shared prefix, which the other checks'
  # searches would find, and waits for Wine's server to stop.
  RUN_SERIAL TRUE)
if(NOT KELVAD_HOST_BINARY)
  message(STATUS "KELVAD_HOST_BINARY not set: the wizard's project is not compared with the Linux build")
endif()
