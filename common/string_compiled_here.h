// Put before everything else in every file of the Windows build (CMakeLists.txt).
//
// libstdc++ declares its std::string members extern templates, to be taken from its own
// compiled copy; that copy was compiled with exceptions and takes the whole exception
// machinery with it (since GCC 13 every string that grows in place calls into it). A value
// of -1 for this switch, the one the library's own assertions set, has the members compiled
// here instead, without exceptions, and only those used. Velmora.exe's file test checks the
// size this keeps: it fails should a later library stop honouring the switch.
#pragma once

#include <cstddef>  // the library's configuration, which sets the switch to 1

#ifdef __GLIBCXX__
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
#endif
