#include "shell/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the order in which the start-up steps run. The fatal stand-in throws, because the real
// one never returns: nothing after it may run.
std::vector<std::string> journal;
bool windowOpens = true;

struct FatalRaised {
  std::string message;
};

void initStandIn() {
  journal.push_back("initGlobals");
}
void releaseStandIn() {
  journal.push_back("releaseGlobals");
}
bool openStandIn() {
  journal.push_back("openMainWindow");
  return windowOpens;
}
int loopStandIn() {
  journal.push_back("runMessageLoop");
  journal.push_back("window destroyed");
  return 0;
}
void fatalStandIn(const char* message) {
  journal.push_back("fatalError");
  clearEndRoutine();
  throw FatalRaised{message};
}

constexpr StartupSteps kStandIns{initStandIn, releaseStandIn, openStandIn, loopStandIn,
                                 fatalStandIn};

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    windowOpens = true;
    clearEndRoutine();
  }
};

}  // namespace

TEST_F(Startup, OrderlyPathReleasesGlobalsOnceAfterTheWindowIsGone) {
  const int code = startProgram(kStandIns);
  runEndRoutine();
  runEndRoutine();  // a second pass through the shutdown finds nothing to run

  EXPECT_EQ(code, 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"initGlobals", "openMainWindow", "runMessageLoop",
                                               "window destroyed", "releaseGlobals"}));
}

TEST_F(Startup, WindowThatCannotBeCreatedIsFatalAndSkipsTheRelease) {
  windowOpens = false;
  std::string reported;
  try {
    startProgram(kStandIns);
    FAIL() << "start-up went on after the fatal error";
  } catch (const FatalRaised& fatal) {
    reported = fatal.message;
  }
  runEndRoutine();

  EXPECT_EQ(journal, (std::vector<std::string>{"initGlobals", "openMainWindow", "fatalError"}));
  EXPECT_EQ(reported, kStartupWindowFailedMessage);
}

TEST_F(Startup, EndRoutineSlotHoldsOneRoutine) {
  setEndRoutine(initStandIn);
  setEndRoutine(releaseStandIn);  // replaces, does not queue
  runEndRoutine();
  EXPECT_EQ(journal, (std::vector<std::string>{"releaseGlobals"}));

  setEndRoutine(releaseStandIn);
  clearEndRoutine();
  runEndRoutine();
  EXPECT_EQ(journal.size(), 1u);
}
