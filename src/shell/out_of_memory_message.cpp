#include "fatal_error.h"

#include <cstring>

OutOfMemoryMessage outOfMemoryMessage(std::size_t bytesRequested) {
  static constexpr char prefix[] = "内存不足：申请 ";
  static constexpr char suffix[] = " 字节失败。";

  char digits[24];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + bytesRequested % 10);
    bytesRequested /= 10;
  } while (bytesRequested != 0);

  OutOfMemoryMessage message{};
  char* out = message.text;
  std::memcpy(out, prefix, sizeof prefix - 1);
  out += sizeof prefix - 1;
  while (count != 0) *out++ = digits[--count];
  std::memcpy(out, suffix, sizeof suffix);  // terminator included
  return message;
}
