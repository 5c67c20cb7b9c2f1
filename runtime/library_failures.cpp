// What the C++ library calls when a container's precondition fails or a pure
// virtual function is reached. Without exceptions each of these ends the
// program, as the uncaught exception it stands for would.
#include <cstdlib>
#include <string>

namespace std {
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
}  // namespace std

extern "C" void __cxa_pure_virtual() { std::abort(); }
