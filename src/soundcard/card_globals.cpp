#include "card_globals.h"

#include <cassert>
#include <memory>

namespace {

std::unique_ptr<SoundCardInfo> record;

}  // namespace

void initGlobals() {
  record = std::make_unique<SoundCardInfo>();
}

void releaseGlobals() {
  record.reset();
}

SoundCardInfo& cardInfo() {
  assert(record && "cardInfo used outside initGlobals..releaseGlobals");
  return *record;
}

bool cardInfoExists() {
  return record != nullptr;
}
