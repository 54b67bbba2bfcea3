# 64-bit Windows.
set(VELMORA_MINGW_PROCESSOR x86_64)
set(VELMORA_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
