// Recovery of unsaved text, wired to the main window: the document in memo1 as the keeper sees it,
// and the shell's events forwarded to the keeper. Off until the shell gives it a store.
#pragma once
#include <memory>

#include "core/clock.h"
#include "core/editor.h"
#include "core/new_document_look.h"
#include "core/ui.h"
#include "documents/document.h"
#include "recovery/recovery_ports.h"

namespace kakipo {

// memo1's document taken as a snapshot and put back from one.
class EditorRecoveryDocument : public RecoveryDocument {
 public:
  EditorRecoveryDocument(Editor& memo1, Document& document, NewDocumentLook& look)
      : memo1_(memo1), document_(document), look_(look) {}

  bool modified() const override { return memo1_.modified(); }
  RecoverySnapshot snapshot() const override;
  void restore(const RecoverySnapshot& snapshot) override;

 private:
  Editor& memo1_;
  Document& document_;
  NewDocumentLook& look_;
};

struct RecoveryWiringPorts {
  Editor& memo1;
  Document& document;
  NewDocumentLook& look;
  MessageBoxes& ui;
  const Clock& clock;  // the monotonic milliseconds the keeper's rules count, and the offer's times
};

class RecoveryWiring {
 public:
  explicit RecoveryWiring(const RecoveryWiringPorts& ports);
  ~RecoveryWiring();

  // From now on this instance's unsaved text goes to `store`.
  void keep(RecoveryStore& store);
  // memo1's content changed (EN_CHANGE).
  void memo1Change();
  // The 200 ms timer.
  void timerGyoRetTimer();
  // The store's worker finished a write.
  void writeFinished(bool ok);
  // After every handler: a document it left unmodified (saved, declined at the question, New,
  // Open, a drop, a history entry, an allowed close) is safe, and its file goes now.
  void settled();
  // Once the window shows: the texts instances no longer running left unsaved; one kept at a close
  // that asked nothing is restored without a question when `resume`.
  void offer(bool resume);
  // The window closes without asking: the unsaved text is written now, to be restored at the next
  // start. False when there is no store or the write failed.
  bool keepForNextStart();

 private:
  struct Kept;
  RecoveryWiringPorts ports_;
  std::unique_ptr<Kept> kept_;
};

}  // namespace kakipo
