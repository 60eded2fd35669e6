# Cross-compiles the 64-bit Windows programs from the same sources; tests run through
# Wine's 64-bit loader on hosts that run no 32-bit code.
set(TERVANE_MINGW_PROCESSOR x86_64)
set(TERVANE_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
