# Cross-builds Velmora.exe for Windows with Debian's mingw-w64 (the -posix compilers, whose C++
# library has std::mutex and std::thread); tests run under Wine. Included by one file a
# processor, which sets VELMORA_MINGW_PROCESSOR and VELMORA_WINE_LOADER.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELMORA_MINGW_PROCESSOR})
set(triplet ${VELMORA_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained: the C and C++ runtimes are linked in, so only Windows' own DLLs are needed;
# what the program does not use is left out, and the file carries no symbols. The same source
# gives the same bytes wherever and whenever it is built: no link time in the header, no build
# folder in the file.
# Hardened as Debian builds its own programs, as far as mingw-w64 goes: a stack protector
# (its check linked in statically, like the runtimes) and fortified C library calls. The 32-bit program also says it has no SEH handlers (it
# registers none), so that Windows never runs one an attacker planted on the stack.
set(hardening "-fstack-protector-strong -D_FORTIFY_SOURCE=2")
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections ${hardening}")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections ${hardening}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -fstack-protector-strong \
-Wl,--gc-sections -s -Wl,--no-insert-timestamp")
if(VELMORA_MINGW_PROCESSOR STREQUAL "i686")
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--no-seh")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../../tools/wine.sh;${VELMORA_WINE_LOADER}")
