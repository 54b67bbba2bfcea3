# 32-bit Windows: runs on every Windows.
set(VELMORA_MINGW_PROCESSOR i686)
set(VELMORA_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
