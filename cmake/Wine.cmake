# Runs the programs of a Windows build on this machine with Wine (Debian's
# wine64): CTest starts every test through CMAKE_CROSSCOMPILING_EMULATOR.
#
# Wine keeps its C: drive and registry in a prefix, made here inside the build
# tree (wine/) so that it belongs to this build alone and is made only once. It
# has no sound: PlaySoundW fails quietly, as on a Windows machine without a
# sound device, and no test or run depends on a sound card being there.
find_program(MARROWICK_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(MARROWICK_WINE64 wine64)
find_program(MARROWICK_WINESERVER wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(MARROWICK_WINESERVER wineserver)
if(NOT MARROWICK_WINE64 OR NOT MARROWICK_WINESERVER)
  message(STATUS "No wine64: the Windows programs are built but not run")
  return()
endif()

set(MARROWICK_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
# Everything a Windows program needs to run here: the prefix, no debug chatter.
set(MARROWICK_WINE_ENVIRONMENT WINEPREFIX=${MARROWICK_WINE_PREFIX} WINEDEBUG=-all)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_COMMAND} -E env ${MARROWICK_WINE_ENVIRONMENT} ${MARROWICK_WINE64})

# The first start of Wine in a prefix builds the prefix, which takes long;
# building it here keeps that out of the tests and makes it once per build
# tree. Wine's .NET and HTML engines are not wanted (mscoree, mshtml off), and
# no audio driver is loaded. The server is waited for, so that the registry is
# on disk before any test starts.
set(wine_run ${CMAKE_COMMAND} -E env ${MARROWICK_WINE_ENVIRONMENT})
add_custom_command(
  OUTPUT ${MARROWICK_WINE_PREFIX}/system.reg
  COMMAND ${wine_run} WINEDLLOVERRIDES=mscoree,mshtml= ${MARROWICK_WINE64} wineboot --init
  COMMAND ${wine_run} ${MARROWICK_WINE64} reg add "HKCU\\Software\\Wine\\Drivers" /v Audio /d "" /f
  COMMAND ${wine_run} ${MARROWICK_WINESERVER} --wait
  COMMENT "Making the Wine prefix ${MARROWICK_WINE_PREFIX}"
  VERBATIM)
add_custom_target(wine-prefix ALL DEPENDS ${MARROWICK_WINE_PREFIX}/system.reg)
