# Cross-compiles the 32-bit Windows programs; tests run through Wine.
set(TERVANE_MINGW_PROCESSOR i686)
set(TERVANE_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
