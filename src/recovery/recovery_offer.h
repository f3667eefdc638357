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
// A text kept at a close that asked nothing is restored without a question when `resume` (the
// first instance to start); every file is claimed first, so that two instances starting at the
// same moment never both restore or both offer the same one.
bool offerRecovery(const RecoveryOfferPorts& ports, RecoveryKeeper& keeper, bool resume);

}  // namespace kakipo
