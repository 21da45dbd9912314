// Every allocation of the program, the standard library's included, goes through these
// operators. A request that the heap cannot meet ends the program with a report naming its
// size instead of throwing: nothing in the program could carry on without the memory.
#include <windows.h>

#include <cstddef>
#include <new>

#include "fatal_error.h"

namespace {

void* allocateOrDie(std::size_t size) {
  if (size == 0) size = 1;
  if (void* block = HeapAlloc(GetProcessHeap(), 0, size)) return block;
  fatalError(outOfMemoryMessage(size).text);
}

void release(void* block) noexcept {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) {
  return allocateOrDie(size);
}
void* operator new[](std::size_t size) {
  return allocateOrDie(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return allocateOrDie(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return allocateOrDie(size);
}
void operator delete(void* block) noexcept {
  release(block);
}
void operator delete[](void* block) noexcept {
  release(block);
}
void operator delete(void* block, std::size_t) noexcept {
  release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  release(block);
}
