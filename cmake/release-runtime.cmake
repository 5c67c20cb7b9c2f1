# The 32-bit release: one executable for every Windows from 95 on and every
# CPU from the Pentium and the AMD K6 on, neither of which has CMOV, FCOMI or
# SSE. The compiler makes such code for -march=i586 (the toolchain file), but
# the ready-made MinGW runtime and C++ library are built for the Pentium Pro.
# So the release takes from them only what is free of those instructions:
# - msvcrt's own printf and strtod instead of MinGW's C99 ones, which bring
#   their own floating-point conversion (runtime/msvcrt_numbers.cpp; the C++
#   library's headers ignore __USE_MINGW_ANSI_STDIO=0);
# - no exceptions and no run-time type information: the program throws and
#   catches nothing, and it drops the unwinder and its tables;
# - std::string instantiated in our own build (runtime/string_instance.cpp);
# - our own process entry, operator new and delete, and the stubs the C++
#   library calls on a failed precondition (runtime/).
# Everything else is a header or is free of those instructions, which
# tests/release/audit_instructions.py checks on the executable.
add_compile_options(
  -fno-exceptions -fno-rtti -fno-threadsafe-statics
  -fno-asynchronous-unwind-tables -fno-unwind-tables
  -ffunction-sections -fdata-sections)

add_library(kvartune_runtime OBJECT
  runtime/library_failures.cpp
  runtime/msvcrt_numbers.cpp
  runtime/new_delete.cpp
  runtime/startup.cpp
  runtime/string_instance.cpp
)

# kvt_release_executable(TARGET): links TARGET as a release executable.
# The entry point must be ours (the linker would otherwise start the image at
# its first byte). Windows 95 and NT 4.0 load only images that ask for
# subsystem 4.0. Unused sections are dropped, no symbol table is kept (-s),
# and no base relocations: an executable always loads at its own base, as
# every Windows of the time expects of one. No link time in the header, so
# that the same sources give the same file, and the release archive the
# same bytes.
# No auto-import and no run-time pseudo-relocations: a function that a DLL's
# import library exports as data only (msvcrt's atexit, which MinGW's own
# start-up code normally supplies) would otherwise link as a direct call
# into the import address table, which crashes at the first call. Such a
# reference now fails the link, and runtime/ supplies the function.
function(kvt_release_executable target)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:kvartune_runtime>)
  target_link_options(${target} PRIVATE
    -nostartfiles -Wl,--require-defined=_WinMainCRTStartup
    -Wl,--gc-sections
    -Wl,--disable-auto-import -Wl,--disable-runtime-pseudo-reloc
    -Wl,--disable-dynamicbase -Wl,--disable-reloc-section
    -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--no-insert-timestamp
    -s)
endfunction()
