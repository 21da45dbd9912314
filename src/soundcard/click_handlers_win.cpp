#include "click_handlers.h"

#include "../shell/main_window.h"
#include "capability_report.h"
#include "card_globals.h"
#include "presence_check.h"
#include "winmm_wave_out.h"

void onCheckPresenceClicked() {
  checkPresence(systemWaveOut(), captions());
}

void onShowInfoClicked() {
  showCapabilityReport(cardInfo(), systemWaveOut(), captions());
}
