# 32-bit Windows, the only architecture built for Windows: the release users
# install and the tests that run under Wine in a 32-bit prefix, as Windows
# 95/98 and NT 4.0 are 32-bit systems.
# The release takes the win32 thread model: the program has one thread and
# needs no pthreads. The tests take the posix one, because GoogleTest needs
# std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# Code for the Pentium and the AMD K6: no CMOV, no FCOMI, no SSE.
set(CMAKE_C_FLAGS_INIT "-march=i586")
set(CMAKE_CXX_FLAGS_INIT "-march=i586")
if(KVT_RELEASE)
  set(kvt_threads win32)
else()
  set(kvt_threads posix)
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${kvt_threads})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${kvt_threads})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
