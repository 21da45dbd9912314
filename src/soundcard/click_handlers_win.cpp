#include "click_handlers.h"

void onCheckPresenceClicked() {}

void onShowInfoClicked() {}
