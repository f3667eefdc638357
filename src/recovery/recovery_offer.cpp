#include "recovery/recovery_offer.h"

#include <algorithm>
#include <optional>
#include <vector>
#include <tuple>

#include "core/errors.h"
#include "recovery/recovery_texts.h"

namespace kakipo {

namespace {

auto ordered(const LocalTime& t) {
  return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond);
}

}  // namespace

bool offerRecovery(const RecoveryOfferPorts& ports, RecoveryKeeper& keeper, bool resume) {
  auto& ui = ports.ui;
  auto files = ports.store.list();
  // A running instance's file is its own business, even to read.
  std::erase_if(files, [](const RecoveryFileInfo& f) { return f.ownerRunning; });
  std::stable_sort(files.begin(), files.end(), [](const RecoveryFileInfo& a, const RecoveryFileInfo& b) {
    return ordered(a.written) > ordered(b.written);
  });

  // Each file is read once, and only once this instance has it to itself.
  struct Found {
    RecoveryFileInfo file;
    std::optional<RecoverySnapshot> snapshot;  // none: it cannot be read
  };
  std::vector<Found> found;
  for (const auto& file : files) {
    if (!ports.store.claim(file.id)) continue;
    Found f{file, std::nullopt};
    try {
      f.snapshot = parseRecoveryFile(ports.store.read(file.id));
    } catch (const Error&) {
    }
    found.push_back(std::move(f));
  }
  // A text the user chose to go on with comes back first, and without a question.
  if (resume) {
    for (const auto& f : found) {
      if (f.snapshot && f.snapshot->resume) {
        ports.document.restore(*f.snapshot);
        keeper.adopt(f.file.id);
        return true;
      }
    }
  }

  for (const auto& [file, snapshot] : found) {
    if (!snapshot) {
      // Left for the user to look at; told about once, not at every start.
      if (!file.unreadableReported) {
        ui.messageBox(texts::recoveryMessage(file.id, texts::recoveryUnreadable), texts::recoveryCaption,
                      mb::ok | mb::iconWarning);
        ports.store.markUnreadableReported(file.id);
      }
      continue;
    }
    const std::string& name = snapshot->fileName.empty() ? texts::recoveryUntitled : snapshot->fileName;
    const std::string when = ports.clock.shortDate(file.written) + " " + ports.clock.longTime(file.written);
    if (ui.messageBox(texts::recoveryMessage(name, texts::recoveryOfferHead + when + texts::recoveryOfferTail),
                      texts::recoveryCaption, mb::yesNo | mb::iconQuestion | mb::defButton1) == mb::idYes) {
      ports.document.restore(*snapshot);
      keeper.adopt(file.id);
      return true;
    }
    if (ui.messageBox(texts::recoveryMessage(name, texts::recoveryDeleteQuestion), texts::recoveryCaption,
                      mb::yesNo | mb::iconWarning | mb::defButton2) == mb::idYes)
      ports.store.remove(file.id);
  }
  return false;
}

}  // namespace kakipo
