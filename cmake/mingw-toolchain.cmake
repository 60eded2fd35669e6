# The MinGW-w64 cross toolchain. The per-architecture files set TERVANE_MINGW_PROCESSOR
# (the compilers' prefix) and TERVANE_WINE_ARCH (the Wine that runs the programs), then
# include this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TERVANE_MINGW_PROCESSOR})
# The win32 thread model: the posix one links winpthreads, which imports calls that
# Windows 95, 98 and NT 4.0 lack (GetTickCount64 among them), so no program would load there.
set(CMAKE_C_COMPILER ${TERVANE_MINGW_PROCESSOR}-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER ${TERVANE_MINGW_PROCESSOR}-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER ${TERVANE_MINGW_PROCESSOR}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TERVANE_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Scripts that run tests themselves get the Wine through the TERVANE_WINE_ARCH test
# environment.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env;TERVANE_WINE_ARCH=${TERVANE_WINE_ARCH};${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
