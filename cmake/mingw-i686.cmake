# Cross-compiles the 32-bit Windows programs; tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The Wine that runs this build's programs; scripts that run tests themselves get it
# through the TERVANE_WINE_ARCH test environment.
set(TERVANE_WINE_ARCH win32)
set(CMAKE_CROSSCOMPILING_EMULATOR env;TERVANE_WINE_ARCH=win32;${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
