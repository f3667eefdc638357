// The offer at start-up: the texts that instances no longer running left unsaved, one question
// each, newest first, until one is restored into this window.
#pragma once

#include "core/clock.h"
#include "core/ui.h"
#include "recovery/recovery_keeper.h"
#include "recovery/recovery_ports.h"

namespace kakipo {

struct RecoveryOfferPorts {
  RecoveryStore& store;
  RecoveryDocument& document;
  MessageBoxes& ui;
  const Clock& clock;  // formats the time each file was last written
};

// True when a text was restored; the files not yet asked about wait for the next start, since one
// window holds one document. The restored text's file goes once `keeper` has written it anew.
bool offerRecovery(const RecoveryOfferPorts& ports, RecoveryKeeper& keeper);

}  // namespace kakipo
