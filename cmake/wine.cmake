# Runs the Windows programs of the cross build under Wine, in a prefix of this
# build tree, so that `ctest` runs the test programs and the real exe.
find_program(BRENNHOLTZGATE_WINE NAMES wine64 wine
             PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
find_program(BRENNHOLTZGATE_WINE NAMES wine64 wine REQUIRED)
find_program(BRENNHOLTZGATE_WINESERVER NAMES wineserver64 wineserver
             PATHS /usr/lib/wine /usr/lib64/wine NO_DEFAULT_PATH)
find_program(BRENNHOLTZGATE_WINESERVER NAMES wineserver REQUIRED)

set(BRENNHOLTZGATE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${PROJECT_SOURCE_DIR}/scripts/wine-run.sh.in
               ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
