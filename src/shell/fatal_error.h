#pragma once

#include <cstddef>

// Shows `message` (GBK) in a modal error box without an owner, waits for the user to dismiss
// it, forgets the end routine without running it and ends the process with exit status -1.
[[noreturn]] void fatalError(const char* message);

// The report for a failed memory request: it names the number of bytes asked for. Built in a
// caller-provided buffer because the heap is what just failed.
struct OutOfMemoryMessage {
  char text[96];
};
OutOfMemoryMessage outOfMemoryMessage(std::size_t bytesRequested);
