// Numbers are written and read by msvcrt's own printf and strtod. The C++
// library's headers send std::snprintf and std::strtod to MinGW's C99
// versions whatever __USE_MINGW_ANSI_STDIO says, and those bring 35 KB of
// code built for the Pentium Pro; these take their names. What differs:
// msvcrt writes at least three exponent digits ("1e+015"), as Windows
// programs always showed them, and reads no hexadecimal, "inf" or "nan".
#include <cstdarg>
#include <cstddef>

extern "C" {
__declspec(dllimport) int _vsnprintf(char* buffer, std::size_t size,
                                     const char* format, va_list arguments);
__declspec(dllimport) double strtod(const char* text, char** end);

// Always ends the text, cutting it to size - 1 characters. msvcrt cannot
// tell how long the whole text would be, so a cut text returns size.
int __mingw_vsnprintf(char* buffer, std::size_t size, const char* format,
                      va_list arguments) {
  if (size == 0) return 0;
  const int written = _vsnprintf(buffer, size, format, arguments);
  if (written >= 0 && static_cast<std::size_t>(written) < size) return written;
  buffer[size - 1] = '\0';
  return static_cast<int>(size);
}

double __mingw_strtod(const char* text, char** end) {
  return strtod(text, end);
}
}
