# Cross-compiles for 64-bit Windows with the wizard: the MinGW-w64 toolchain
# of mingw-w64-x86_64.cmake, and the static Qt that tools/build-qt-windows.sh
# builds.
#   cmake -S . -B build-win --toolchain cmake/mingw-w64-x86_64-qt.cmake
# That Qt is found in $KELVAD_QT_WINDOWS, else ~/.cache/kelvad/qt6-mingw-static,
# or where -DKELVAD_QT_WINDOWS=DIR says.
#
# Qt's own toolchain file does the finding: it knows where the host tools
# (moc, uic, rcc) are, and it opens the MinGW-only package look-ups of our
# toolchain file to its own prefix. It loads ours in turn.
if(NOT KELVAD_QT_WINDOWS)
  if(DEFINED ENV{KELVAD_QT_WINDOWS})
    set(KELVAD_QT_WINDOWS "$ENV{KELVAD_QT_WINDOWS}")
  else()
    set(KELVAD_QT_WINDOWS "$ENV{HOME}/.cache/kelvad/qt6-mingw-static")
  endif()
endif()
set(KELVAD_QT_WINDOWS "${KELVAD_QT_WINDOWS}" CACHE PATH "The static Qt for Windows (tools/build-qt-windows.sh)")
set(_kelvad_qt_toolchain "${KELVAD_QT_WINDOWS}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${_kelvad_qt_toolchain}")
  message(FATAL_ERROR "No Qt for Windows in ${KELVAD_QT_WINDOWS}: run tools/build-qt-windows.sh, "
                      "or configure with cmake/mingw-w64-x86_64.cmake for kelvad.exe without the wizard")
endif()
# Qt remembers the toolchain file it was built with, which may lie in
# another checkout: this checkout's is the one to load.
set(QT_CHAINLOAD_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake" CACHE FILEPATH "" FORCE)
include("${_kelvad_qt_toolchain}")
