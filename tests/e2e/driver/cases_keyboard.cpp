// Real keyboard and mouse input: focus, keys, the ways to close, more than one instance.
#include "checks.h"

namespace e2e {
namespace {

// Input is handled in the order it was sent, so the effect of a Tab that follows a key proves
// that the key has been handled (and that it left the focus where it was).
void tabAsSentinel(const Program& program, int expectedAfterTab, const std::string& context) {
  press(VK_TAB);
  expectFocus(program, expectedAfterTab, context + ", then Tab");
}

struct Chord {
  const char* name;
  std::initializer_list<WORD> keys;
};

}  // namespace

E2E_CASE(keyboard, focus_at_start) {
  Program program;
  program.waitReady();
  E2E_CHECK(program.focus() == program.control(ui::kButton1),
            "focus at start is on " + describe(program, program.focus()));
  E2E_CHECK(GetForegroundWindow() == program.window(), "the window is not active at start");
  closeWithEsc(program);
}

E2E_CASE(keyboard, tab_cycle) {
  struct Step {
    Chord chord;
    int focusAfter;
  };
  const Step steps[] = {
      {{"Tab", {VK_TAB}}, ui::kButton2},
      {{"Tab", {VK_TAB}}, ui::kButton1},
      {{"Shift+Tab", {VK_SHIFT, VK_TAB}}, ui::kButton2},
      {{"Shift+Tab", {VK_SHIFT, VK_TAB}}, ui::kButton1},
      {{"Tab", {VK_TAB}}, ui::kButton2},
      {{"Shift+Tab", {VK_SHIFT, VK_TAB}}, ui::kButton1},
  };
  Program program;
  program.waitReady();
  activate(program.window());
  int n = 0;
  for (const auto& step : steps) {
    pressChord(step.chord.keys);
    expectFocus(program, step.focusAfter, format("step %d (%s)", ++n, step.chord.name));
  }
  program.drain();
  closeWithEsc(program);
}

// Keys that must change nothing: the focus stays, no caption changes, the window stays open.
E2E_CASE(keyboard, keys_that_do_nothing) {
  struct Row {
    Chord chord;
    int focus;
  };
  const Row rows[] = {
      {{"Enter", {VK_RETURN}}, ui::kButton1},
      {{"Enter", {VK_RETURN}}, ui::kButton2},
      {{"Shift+Esc", {VK_SHIFT, VK_ESCAPE}}, ui::kButton1},
      {{"Shift+Esc", {VK_SHIFT, VK_ESCAPE}}, ui::kButton2},
      {{"Ctrl+Tab", {VK_CONTROL, VK_TAB}}, ui::kButton1},
      {{"F1", {VK_F1}}, ui::kButton1},
  };
  for (const auto& row : rows) {
    const std::string context =
        format("%s on %s", row.chord.name, row.focus == ui::kButton1 ? "button1" : "button2");
    Program program;
    program.waitReady();
    activate(program.window());
    if (row.focus == ui::kButton2) press(VK_TAB);
    expectFocus(program, row.focus, context + " (set-up)");
    pressChord(row.chord.keys);
    tabAsSentinel(program, row.focus == ui::kButton1 ? ui::kButton2 : ui::kButton1, context);
    program.drain();
    E2E_CHECK(program.running() && IsWindowVisible(program.window()),
              context + ": the window closed");
    for (const auto& want : ui::kControls) {
      if (want.button) continue;
      E2E_CHECK(caption(program, want.id) == gbk(want.caption),
                context + format(": %s changed to ", want.name) + show(caption(program, want.id)));
    }
    closeWithEsc(program);
  }
}

// Space clicks the focused button; whatever the click shows, the program goes on and keeps the
// focus where it was.
E2E_CASE(keyboard, space_on_buttons) {
  Program program;
  program.waitReady();
  activate(program.window());
  press(VK_SPACE);
  tabAsSentinel(program, ui::kButton2, "Space on button1");
  press(VK_SPACE);
  tabAsSentinel(program, ui::kButton1, "Space on button2");
  program.drain();
  E2E_CHECK(program.running(), "the program ended");
  closeWithEsc(program);
}

// The control that had the focus gets it back when the window is activated again.
E2E_CASE(keyboard, focus_back_on_reactivation) {
  enum class Back { api, captionClick };
  struct Row {
    int focus;
    Back back;
  };
  const Row rows[] = {
      {ui::kButton2, Back::captionClick},
      {ui::kButton2, Back::api},
      {ui::kButton1, Back::captionClick},
  };
  for (const auto& row : rows) {
    const std::string context =
        format("%s focused, reactivated by %s", row.focus == ui::kButton1 ? "button1" : "button2",
               row.back == Back::api ? "SetForegroundWindow" : "a click on the caption bar");
    Program program;
    HWND window = program.waitReady();
    activate(window);
    if (row.focus == ui::kButton2) press(VK_TAB);
    expectFocus(program, row.focus, context + " (set-up)");
    {
      OtherWindow other;
      activate(other.handle());
      E2E_CHECK(!waitUntil([&] { return GetForegroundWindow() == window; }, 200ms),
                context + ": the program took the activation back");
      if (row.back == Back::api) {
        activate(window);
      } else {
        const auto caption = findHitPoint(window, HTCAPTION);
        E2E_REQUIRE(caption.has_value(), "no caption bar found by hit testing");
        clickAt(*caption);
        E2E_CHECK(waitUntil([&] { return GetForegroundWindow() == window; }),
                  context + ": the click did not activate the window");
      }
      expectFocus(program, row.focus, context);
    }
    program.drain();
    closeWithEsc(program);
  }
}

E2E_CASE(closing, every_way_ends_with_status_0) {
  struct Way {
    const char* name;
    void (*act)(HWND window);
  };
  const Way ways[] = {
      {"Esc", [](HWND) { press(VK_ESCAPE); }},
      {"Alt+F4",
       [](HWND) {
         pressChord({VK_MENU, VK_F4});
       }},
      {"a click on the close box",
       [](HWND window) {
         const auto box = findHitPoint(window, HTCLOSE);
         E2E_REQUIRE(box.has_value(), "no close box found by hit testing");
         clickAt(*box);
       }},
      {"Close on the system menu (Alt+Space, C)",
       [](HWND) {
         pressChord({VK_MENU, VK_SPACE});
         press('C');
       }},
      {"Close on the system menu (click on its icon, C)",
       [](HWND window) {
         const auto icon = findHitPoint(window, HTSYSMENU);
         E2E_REQUIRE(icon.has_value(), "no system menu icon found by hit testing");
         clickAt(*icon);
         press('C');
       }},
  };
  for (const auto& way : ways) {
    Program program;
    HWND window = program.waitReady();
    activate(window);
    way.act(window);
    const auto status = program.waitExit();
    E2E_CHECK(status.has_value(), format("%s: the program did not end", way.name));
    if (status) E2E_CHECK(*status == 0, format("%s: exit status 0x%08lX", way.name, *status));
  }
}

E2E_CASE(instances, two_side_by_side) {
  Program first;
  HWND firstWindow = first.waitReady();
  Program second;
  HWND secondWindow = second.waitReady();
  E2E_CHECK(first.pid() != second.pid(), "both windows belong to one process");
  E2E_CHECK(firstWindow != secondWindow, "the second start found the first window");
  for (const Program* program : {&first, &second}) {
    RECT r{};
    GetWindowRect(program->window(), &r);
    E2E_CHECK(r.right - r.left == ui::kWindowWidth && r.bottom - r.top == ui::kWindowHeight,
              format("instance %lu has outer size %ldx%ld", program->pid(), r.right - r.left,
                     r.bottom - r.top));
    E2E_CHECK(caption(*program, ui::kLabel1) == gbk(ui::kStartCaption1),
              format("instance %lu: label1 reads ", program->pid()) +
                  show(caption(*program, ui::kLabel1)));
  }
  // Keys reach only the active instance.
  activate(secondWindow);
  press(VK_TAB);
  expectFocus(second, ui::kButton2, "second instance, Tab");
  activate(firstWindow);
  expectFocus(first, ui::kButton1, "first instance after the second had a Tab");

  // Closing one leaves the other running.
  activate(firstWindow);
  press(VK_ESCAPE);
  const auto firstStatus = first.waitExit();
  E2E_REQUIRE(firstStatus.has_value(), "the first instance did not end after Esc");
  E2E_CHECK(*firstStatus == 0, format("first instance exit status 0x%08lX", *firstStatus));
  E2E_CHECK(second.running() && IsWindow(secondWindow),
            "closing the first instance ended the second");
  activate(secondWindow);
  expectFocus(second, ui::kButton2, "second instance after the first closed");
  closeWithEsc(second);
}

}  // namespace e2e
