#pragma once

// Takes and dispatches messages until the quit message arrives; returns the code it carries.
int runMessageLoop();
