// The two buttons against a scripted winmm.dll and against Wine's own: presence answers, the
// capability report, the fatal path when a wave-out function cannot be bound, and planted DLLs.
#include <algorithm>
#include <cstring>

#include "checks.h"
#include "probe.h"
#include "scripted_winmm.h"
#include "wave_caps.h"

namespace e2e {
namespace {

std::vector<WinmmCall> callsOf(const std::vector<WinmmCall>& calls, const char* function) {
  std::vector<WinmmCall> out;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
               [&](const WinmmCall& call) { return call.function == function; });
  return out;
}

// Waits until the test winmm.dll has logged `count` calls in all.
std::vector<WinmmCall> waitForCalls(const Program& program, const ScriptedWinmm& winmm,
                                    size_t count) {
  std::vector<WinmmCall> calls;
  waitUntil(
      [&] {
        program.checkNoBox();
        calls = winmm.calls();
        return calls.size() >= count;
      },
      5s);
  program.drain();
  return winmm.calls();
}

void expectReport(const Program& program, const std::array<std::string, 7>& expected,
                  const std::string& context) {
  // 标签8 is written last; once it reads right the whole report has been written.
  waitForCaption(program, ui::kLabel8, expected[6]);
  program.drain();
  for (size_t i = 0; i < expected.size(); ++i) {
    const int id = ui::kReportLabels[i];
    const std::string actual = caption(program, id);
    E2E_CHECK(actual == expected[i], context + ": " + describe(program, program.control(id)) +
                                         " reads " + show(actual) + ", expected " +
                                         show(expected[i]));
  }
}

WaveCaps workedExample() {
  WaveCaps caps;
  caps.setName("Speakers");
  caps.pid = 100;
  caps.mid = 1;
  caps.version = 0x0501;
  caps.formats = 0x1805;
  caps.channels = {2, 0};
  caps.support = 0x6C;
  return caps;
}

// The worked example's captions, written out in full.
std::array<std::string, 7> workedExampleReport() {
  return {
      gbk(L"产品名称：Speakers"),
      gbk(L"产品ID：100"),
      gbk(L"驱动程序ID：1"),
      gbk(L"驱动程序版本：5.1"),
      gbk(L"输出通道：2"),
      gbk(L"支持采样率列表：\r\n---11.025khz, 单声道, 8bit, 11kb/Ps\r\n---11.025khz, 单声道, "
          L"16bit, "
          L"22kb/Ps\r\n---44.lkhz. 立体声, 16bit, 172kb/Ps"),
      gbk(L"扩展输出功能列表：\r\n---音量控制\r\n---左右声道平衡\r\n---精确采样信息返回"),
  };
}

std::array<std::string, 7> allZeroReport() {
  return {
      gbk(L"产品名称："),         gbk(L"产品ID：0"),   gbk(L"驱动程序ID：0"),
      gbk(L"驱动程序版本：0.0"),  gbk(L"输出通道：0"), gbk(L"支持采样率列表："),
      gbk(L"扩展输出功能列表："),
  };
}

struct ReportStep {
  const char* what;
  CapsAnswer answer;
  std::optional<std::array<std::string, 7>> expected;  // none: the oracle's report of the record
};

// Clicks 按钮2 once per step. Each click must make exactly one waveOutGetDevCapsA(0, buffer, 52)
// call whose buffer starts as the image of the record (all zero, then whatever the earlier
// answers wrote), and the labels must show the record after the answer.
void runReportSteps(const wchar_t* name, const std::vector<ReportStep>& steps) {
  installSystemWinmm(L"scripted");
  WinmmScript script;
  for (const auto& step : steps) script.caps.push_back(step.answer);
  ScriptedWinmm winmm(name, script);
  LaunchOptions options = winmm.launch();
  Program program(options);
  program.waitReady();
  activate(program.window());

  std::vector<uint8_t> record(WaveCaps::kSize, 0);
  for (size_t i = 0; i < steps.size(); ++i) {
    const auto& step = steps[i];
    const std::string context = format("click %zu (%s)", i + 1, step.what);
    clickControl(program.control(ui::kButton2));
    const auto calls = waitForCalls(program, winmm, i + 1);
    const auto caps = callsOf(calls, "caps");
    E2E_REQUIRE(caps.size() == i + 1,
                context + format(": %zu waveOutGetDevCapsA calls so far", caps.size()));
    E2E_CHECK(callsOf(calls, "numdevs").empty(), context + ": button2 asked for the device count");
    E2E_CHECK(
        caps[i].device == 0 && caps[i].size == 52,
        context + format(": called with device %llu and size %u", caps[i].device, caps[i].size));
    E2E_CHECK(caps[i].passed == record, context + ": buffer passed in was " +
                                            hex(caps[i].passed.data(), caps[i].passed.size()) +
                                            ", expected the record " +
                                            hex(record.data(), record.size()));
    std::copy_n(step.answer.bytes.begin(), std::min(step.answer.bytes.size(), record.size()),
                record.begin());
    const auto oracle = expectedReport(WaveCaps::fromBytes(record));
    if (step.expected) {
      E2E_CHECK(*step.expected == oracle,
                context + ": the test's oracle disagrees with the written-out report");
    }
    expectReport(program, step.expected.value_or(oracle), context);
    E2E_CHECK(caption(program, ui::kLabel1) == gbk(ui::kStartCaption1),
              context + ": label1 changed");
  }
  closeWithEsc(program);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Presence check (按钮1)

E2E_CASE(presence, answers_for_device_counts) {
  struct Row {
    uint32_t count;
    bool bySpace;  // the Space bar on the focused button instead of a mouse click
    const wchar_t* expected;
  };
  const Row rows[] = {
      {0, false, ui::kNoCard},          {1, true, ui::kHasCard},
      {3, false, ui::kHasCard},         {0x80000000, false, ui::kNoCard},
      {0xFFFFFFFF, false, ui::kNoCard}, {0x7FFFFFFF, false, ui::kHasCard},
  };
  installSystemWinmm(L"scripted");
  for (const auto& row : rows) {
    const std::string context = format("count 0x%08X by %s", static_cast<unsigned>(row.count),
                                       row.bySpace ? "Space" : "click");
    ScriptedWinmm winmm(L"presence", {{row.count}, {}});
    LaunchOptions options = winmm.launch();
    Program program(options);
    program.waitReady();
    activate(program.window());
    if (row.bySpace) {
      expectFocus(program, ui::kButton1, context + " (set-up)");
      press(VK_SPACE);
    } else {
      clickControl(program.control(ui::kButton1));
    }
    expectCaption(program, ui::kLabel1, gbk(row.expected), context);
    const auto calls = waitForCalls(program, winmm, 1);
    E2E_CHECK(calls.size() == 1 && calls[0].function == "numdevs",
              context + format(": %zu calls, expected one waveOutGetNumDevs", calls.size()));
    for (int id : ui::kReportLabels) {
      E2E_CHECK(caption(program, id).empty(),
                context + ": " + describe(program, program.control(id)) + " changed");
    }
    closeWithEsc(program);
  }
}

E2E_CASE(presence, each_click_asks_again) {
  installSystemWinmm(L"scripted");
  ScriptedWinmm winmm(L"presence-again", {{2, 0, 0, 1}, {}});
  LaunchOptions options = winmm.launch();
  Program program(options);
  program.waitReady();
  activate(program.window());
  const wchar_t* expected[] = {ui::kHasCard, ui::kNoCard, ui::kNoCard, ui::kHasCard};
  for (size_t i = 0; i < std::size(expected); ++i) {
    clickControl(program.control(ui::kButton1));
    const auto calls = waitForCalls(program, winmm, i + 1);
    E2E_CHECK(calls.size() == i + 1, format("click %zu: %zu calls", i + 1, calls.size()));
    expectCaption(program, ui::kLabel1, gbk(expected[i]), format("click %zu", i + 1));
  }
  closeWithEsc(program);
}

E2E_CASE(presence, clicks_beside_the_buttons_run_nothing) {
  installSystemWinmm(L"scripted");
  ScriptedWinmm winmm(L"presence-beside", {{1}, {}});
  LaunchOptions options = winmm.launch();
  Program program(options);
  HWND window = program.waitReady();
  activate(window);
  clickControl(program.control(ui::kLabel1));
  clickControl(program.control(ui::kLabel7));
  POINT empty{48, 200};  // below the buttons, left of the labels
  ClientToScreen(window, &empty);
  clickAt(empty);
  // The clicks are handled in order: once the button's answer shows, the others were handled.
  clickControl(program.control(ui::kButton1));
  expectCaption(program, ui::kLabel1, gbk(ui::kHasCard), "click on button1 after the other clicks");
  const auto calls = waitForCalls(program, winmm, 1);
  E2E_CHECK(calls.size() == 1,
            format("%zu wave-out calls, expected only the button's", calls.size()));
  expectFocus(program, ui::kButton1, "after the clicks");
  closeWithEsc(program);
}

// ---------------------------------------------------------------------------------------------
// Capability report (按钮2)

E2E_CASE(report, worked_example) {
  runReportSteps(L"report-example",
                 {{"worked example", {0, workedExample().bytes()}, workedExampleReport()}});
}

E2E_CASE(report, edge_values) {
  WaveCaps caps;
  caps.setName("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");  // 32 bytes, no zero
  caps.mid = 0xFFFF;
  caps.pid = 0x8000;
  caps.version = 0xFFFFFEFF;  // -257
  caps.channels = {255, 255};
  caps.formats = 0xFFFFF000;  // bits beyond the format table only
  caps.support = 0xFFFFFFC0;  // bits beyond the feature table only
  caps.reserved = 0x1234;
  runReportSteps(L"report-edges", {{"edge values",
                                    {0, caps.bytes()},
                                    std::array<std::string, 7>{
                                        gbk(L"产品名称：ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"),
                                        gbk(L"产品ID：-32768"),
                                        gbk(L"驱动程序ID：-1"),
                                        gbk(L"驱动程序版本：-1.-1"),
                                        gbk(L"输出通道：65535"),
                                        gbk(L"支持采样率列表："),
                                        gbk(L"扩展输出功能列表："),
                                    }}});
}

// A query the service fails leaves the record, and so the report, as it was.
E2E_CASE(report, failed_query_keeps_the_record) {
  WaveCaps firstEight;
  firstEight.mid = 7;
  firstEight.pid = 8;
  firstEight.version = 0x0203;
  auto partial = firstEight.bytes();
  partial.resize(8);
  runReportSteps(L"report-failed",
                 {
                     {"failure before any answer", {2, {}}, allZeroReport()},
                     {"worked example", {0, workedExample().bytes()}, workedExampleReport()},
                     {"failure after a good answer", {2, {}}, workedExampleReport()},
                     {"only the first 8 bytes written", {0, partial}, std::nullopt},
                 });
}

E2E_CASE(report, second_click_with_fewer_formats) {
  WaveCaps all = workedExample();
  all.formats = 0xFFF;
  all.support = 0x3F;
  WaveCaps fewer = workedExample();
  fewer.formats = 0x0801;
  fewer.support = 0x01;
  auto fewerReport = workedExampleReport();
  fewerReport[5] =
      gbk(L"支持采样率列表：\r\n---11.025khz, 单声道, 8bit, 11kb/Ps\r\n---44.lkhz. 立体声, 16bit, "
          L"172kb/Ps");
  fewerReport[6] = gbk(L"扩展输出功能列表：\r\n---音调控制");
  runReportSteps(L"report-fewer",
                 {
                     {"all formats and features", {0, all.bytes()}, std::nullopt},
                     {"fewer formats and features", {0, fewer.bytes()}, fewerReport},
                 });
}

// ---------------------------------------------------------------------------------------------
// Wine's own winmm.dll: the program must report what the service tells any program.

namespace {

// ALSA reads the configuration in $HOME, which a Wine process takes from the Unix side when
// the driver starts; run-driver.sh --home sets it up for the whole run.
void checkAgainstWine(bool deviceExpected) {
  LaunchOptions options;
  options.winmmLoadOrder = L"builtin";
  const WinmmReading wine = readWinmmAs(options);
  const WaveCaps caps = WaveCaps::fromBytes(wine.caps);
  note(format("Wine reports %u device(s); waveOutGetDevCapsA(0) returned %u: %s", wine.numDevs,
              wine.capsResult, hex(wine.caps.data(), wine.caps.size()).c_str()));
  if (deviceExpected) {
    E2E_REQUIRE(static_cast<int32_t>(wine.numDevs) > 0 && wine.capsResult == 0 && caps.name[0] != 0,
                "set-up: Wine reports no device; run with run-driver.sh --home alsa-null");
  } else {
    E2E_REQUIRE(wine.numDevs == 0 && wine.capsResult != 0,
                "set-up: Wine reports a device; run with run-driver.sh --home empty");
  }

  Program program(options);
  program.waitReady();
  activate(program.window());
  clickControl(program.control(ui::kButton1));
  expectCaption(program, ui::kLabel1, gbk(deviceExpected ? ui::kHasCard : ui::kNoCard), "button1");
  clickControl(program.control(ui::kButton2));
  expectReport(program, deviceExpected ? expectedReport(caps) : allZeroReport(), "button2");
  closeWithEsc(program);
}

}  // namespace

E2E_CASE(wine_winmm, no_device) {
  checkAgainstWine(false);
}

E2E_CASE(wine_winmm, alsa_null_device) {
  checkAgainstWine(true);
}

// ---------------------------------------------------------------------------------------------
// A wave-out function that cannot be bound: one owner-less error box, then exit status -1.

E2E_CASE(fatal, unbindable_function) {
  struct Row {
    const char* name;
    const wchar_t* variant;  // test winmm.dll in system32, or none for "winmm=d"
    int button;
    const char* function;
  };
  const Row rows[] = {
      {"winmm.dll disabled, button1", nullptr, ui::kButton1, "waveOutGetNumDevs"},
      {"winmm.dll disabled, button2", nullptr, ui::kButton2, "waveOutGetDevCapsA"},
      {"no waveOutGetNumDevs export, button1", L"no-numdevs", ui::kButton1, "waveOutGetNumDevs"},
      {"no waveOutGetDevCapsA export, button2", L"no-devcaps", ui::kButton2, "waveOutGetDevCapsA"},
  };
  for (const auto& row : rows) {
    LaunchOptions options;
    options.winmmLoadOrder = L"";  // disabled
    std::optional<ScriptedWinmm> winmm;
    if (row.variant) {
      installSystemWinmm(row.variant);
      winmm.emplace(L"fatal", WinmmScript{{1}, {{0, workedExample().bytes()}}});
      options = winmm->launch();
    }
    options.expectBoxes = true;
    Program program(options);
    HWND window = program.waitReady();
    activate(window);
    clickControl(program.control(row.button));

    E2E_CHECK(waitUntil([&] { return !program.messageBoxes().empty() || !program.running(); }),
              std::string(row.name) + ": no message box appeared");
    program.drain();
    const auto boxes = program.messageBoxes();
    if (boxes.size() != 1) {
      recordFailure(format("%s: %zu message boxes, expected one", row.name, boxes.size()));
      continue;
    }
    HWND box = boxes.front();
    E2E_CHECK(GetWindow(box, GW_OWNER) == nullptr,
              std::string(row.name) + ": the box has an owner");
    std::string text = textA(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      text += "\n" + textA(child);
    }
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    E2E_CHECK(lower.find("winmm.dll") != std::string::npos &&
                  text.find(row.function) != std::string::npos,
              std::string(row.name) + ": the box does not name winmm.dll and " + row.function +
                  ": " + show(text));
    E2E_CHECK(IsWindowVisible(window),
              std::string(row.name) + ": the main window is gone while the box shows");
    for (const auto& want : ui::kControls) {
      if (!want.button) {
        E2E_CHECK(caption(program, want.id) == gbk(want.caption),
                  std::string(row.name) + ": " + want.name + " was written");
      }
    }
    activate(box);
    press(VK_RETURN);
    const auto status = program.waitExit();
    E2E_CHECK(status.has_value(),
              std::string(row.name) + ": the program did not end after the box");
    if (status)
      E2E_CHECK(*status == 0xFFFFFFFF,
                format("%s: exit status 0x%08lX, expected 0xFFFFFFFF", row.name, *status));
    if (winmm) {
      const auto calls = winmm->calls();
      E2E_CHECK(calls.empty(),
                std::string(row.name) + format(": %zu wave-out calls were made", calls.size()));
    }
  }
  installSystemWinmm(L"scripted");
}

// ---------------------------------------------------------------------------------------------
// winmm.dll planted in the program's folder and in the current folder is never loaded.

E2E_CASE(rogue, planted_winmm_is_not_loaded) {
  installSystemWinmm(L"scripted");
  WaveCaps system;
  system.setName("system winmm");
  system.formats = 1;
  ScriptedWinmm winmm(L"rogue-system", {{1}, {{0, system.bytes()}}});
  const std::wstring appFolder = freshFolder(L"rogue-app");
  const std::wstring cwdFolder = freshFolder(L"rogue-cwd");
  const std::wstring rogueLog = joinPath(freshFolder(L"rogue-log"), L"rogue.log");
  const std::wstring rogueDll = joinPath(joinPath(config().winmmDir, L"rogue"), L"winmm.dll");
  copyFileChecked(rogueDll, joinPath(appFolder, L"winmm.dll"));
  copyFileChecked(rogueDll, joinPath(cwdFolder, L"winmm.dll"));
  copyFileChecked(config().exe, joinPath(appFolder, L"soundcheck.exe"));
  copyFileChecked(config().driverExe, joinPath(appFolder, L"e2e_probe.exe"));
  LaunchOptions base = winmm.launch();
  base.env.push_back({L"SOUNDCHECK_E2E_ROGUE_LOG", rogueLog});

  // Control: an ordinary LoadLibrary from that folder does pick up the planted copy here, so
  // the case below can tell a safe search from an unsafe one.
  {
    LaunchOptions options = base;
    options.exe = joinPath(appFolder, L"e2e_probe.exe");
    options.args = L"--probe-load-winmm";
    options.cwd = cwdFolder;
    Program control(options);
    control.waitExit();
    E2E_REQUIRE(readFile(rogueLog).value_or("").find("attach") != std::string::npos,
                "set-up: an ordinary LoadLibrary does not load the planted winmm.dll, so this case "
                "proves nothing");
    DeleteFileW(rogueLog.c_str());
  }

  LaunchOptions options = base;
  options.exe = joinPath(appFolder, L"soundcheck.exe");
  options.cwd = cwdFolder;
  Program program(options);
  program.waitReady();
  activate(program.window());
  clickControl(program.control(ui::kButton1));
  expectCaption(program, ui::kLabel1, gbk(ui::kHasCard), "button1");
  clickControl(program.control(ui::kButton2));
  expectReport(program, expectedReport(system), "button2");
  E2E_CHECK(!fileExists(rogueLog),
            "the planted winmm.dll was loaded: " + readFile(rogueLog).value_or(""));
  E2E_CHECK(winmm.calls().size() == 2,
            format("the system's winmm.dll saw %zu calls", winmm.calls().size()));
  closeWithEsc(program);
}

}  // namespace e2e
