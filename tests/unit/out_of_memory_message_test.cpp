#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "gbk.h"
#include "shell/fatal_error.h"

TEST(OutOfMemoryMessage, NamesTheNumberOfBytesAskedFor) {
  struct Case {
    std::size_t bytes;
    const char8_t* expected;
  };
  const Case cases[] = {
      {0, u8"内存不足：申请 0 字节失败。"},
      {52, u8"内存不足：申请 52 字节失败。"},
      {1000000, u8"内存不足：申请 1000000 字节失败。"},
      {SIZE_MAX, sizeof(std::size_t) == 8 ? u8"内存不足：申请 18446744073709551615 字节失败。"
                                          : u8"内存不足：申请 4294967295 字节失败。"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string(outOfMemoryMessage(c.bytes).text), gbk(c.expected)) << c.bytes;
  }
}
