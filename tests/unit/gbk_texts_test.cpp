// The program's fixed texts must be GBK bytes in the binary, whatever encoding its sources use.

#include <gtest/gtest.h>

#include <string>

#include "gbk.h"
#include "shell/control_table.h"
#include "shell/startup.h"

TEST(GbkTexts, WindowTitleAndStartCaptionsAreGbk) {
  EXPECT_EQ(std::string(kMainWindow.title), gbk(u8"检测声卡  Quorvane 出品"));
  EXPECT_EQ(std::string(rowOf(Control::按钮1).caption), gbk(u8"是否有声卡"));
  EXPECT_EQ(std::string(rowOf(Control::按钮2).caption), gbk(u8"声卡信息"));
  EXPECT_EQ(std::string(rowOf(Control::标签1).caption), gbk(u8"。。。"));
  // A known byte sequence guards against the converter itself being wrong.
  EXPECT_EQ(gbk(u8"。。。"), "\xA1\xA3\xA1\xA3\xA1\xA3");
  EXPECT_EQ(gbk(u8"声卡"), "\xC9\xF9\xBF\xA8");
}
