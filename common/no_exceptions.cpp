// The Windows build is made without C++ exceptions: a fault the program cannot go on from is a
// run-time error that is reported and ends it, and leaving out the exception machinery (its
// unwinder, its verbose terminate handler with a demangler, its thread support) keeps
// Velmora.exe at the size of a plain Win32 program. The C++ library itself was built with
// exceptions, and these are the two ways it would still throw; each is given to RunTimeError
// instead, so that none of that machinery is linked in.
#include <cstdlib>
#include <functional>
#include <new>

#include "common/run_time_error.h"

// Allocation, through the replaceable global operators; operator new[] and its delete call
// these.
void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  velmora::RunTimeError("out of memory");
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

// The library's containers, strings and std::function report a misuse through these hooks,
// which it declares for builds without exceptions. Every hook of its file of them is defined
// here: were one left out, the linker would take that whole file, with the machinery, and
// Velmora.exe would grow by some 160 KB (its file test checks the size).
namespace std {

void __throw_bad_exception() {
  velmora::RunTimeError("bad exception");
}
void __throw_bad_alloc() {
  velmora::RunTimeError("out of memory");
}
void __throw_bad_array_new_length() {
  velmora::RunTimeError("array length out of range");
}
void __throw_bad_cast() {
  velmora::RunTimeError("bad cast");
}
void __throw_bad_typeid() {
  velmora::RunTimeError("bad typeid");
}
void __throw_logic_error(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_domain_error(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_invalid_argument(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_length_error(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_out_of_range(const char* what) {
  velmora::RunTimeError(what);
}
// The format's %zu and %lu are left unfilled: the message names the function that failed.
void __throw_out_of_range_fmt(const char* format, ...) {
  velmora::RunTimeError(format);
}
void __throw_runtime_error(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_range_error(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_overflow_error(const char* what) {
  velmora::RunTimeError(what);
}
void __throw_underflow_error(const char* what) {
  velmora::RunTimeError(what);
}

void __throw_bad_function_call() {
  velmora::RunTimeError("call of an empty function");
}

}  // namespace std
