// The global allocation functions over msvcrt's heap. The program is built
// without exceptions, so a request that cannot be met ends it, as an
// uncaught std::bad_alloc would.
#include <cstddef>
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  void* block = std::malloc(size != 0 ? size : 1);
  if (block == nullptr) std::abort();
  return block;
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
