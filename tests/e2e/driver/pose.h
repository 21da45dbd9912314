// The driver's --pose mode, for tools/run's screenshot.
#pragma once

namespace e2e {

// Starts config().exe, clicks 按钮1 and 按钮2, leaves the program running and prints its outer
// rectangle. Returns the driver's exit status.
int pose();

}  // namespace e2e
