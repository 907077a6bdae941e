// Byte-level helpers for NUL-terminated texts and raw memory blocks.
#pragma once

#include <cstddef>

namespace skyledger {

// Number of characters before the terminating NUL; 0 for a null pointer.
std::size_t textLength(const char* text);

// Copies `count` bytes from `source` to `destination`. The areas may overlap:
// the copy runs in the direction that reads every byte before it is
// overwritten. Nothing happens when the two coincide or `count` is 0.
void copyBytes(void* destination, const void* source, std::size_t count);

// Sets `count` bytes at `destination` to `value`.
void fillBytes(void* destination, unsigned char value, std::size_t count);

// Sets `count` bytes at `destination` to 0.
void zeroBytes(void* destination, std::size_t count);

} // namespace skyledger
