#pragma once

// The main window's two click handlers.

// 按钮1: asks the wave-out service whether there is an output device and answers in 标签1.
void onCheckPresenceClicked();

// 按钮2: refreshes the capability record from wave-out device 0 and reports it in 标签2..标签8.
void onShowInfoClicked();
