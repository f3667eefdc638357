#include "app/recovery_wiring.h"

#include "core/errors.h"
#include "recovery/recovery_keeper.h"
#include "recovery/recovery_offer.h"

namespace kakipo {

RecoverySnapshot EditorRecoveryDocument::snapshot() const {
  RecoverySnapshot s;
  s.plainText = document_.plainText();
  // Plain text as the program's text, which keeps every character whatever the document's own
  // encoding holds.
  s.content = s.plainText ? memo1_.text() : memo1_.rtf();
  s.fileName = document_.path();
  if (s.plainText) s.encoding = encodingName(document_.encoding);
  s.caret = memo1_.selStart() + memo1_.selLength();
  return s;
}

void EditorRecoveryDocument::restore(const RecoverySnapshot& s) {
  try {
    look_.applyNextOpenFont();
    if (s.plainText)
      memo1_.loadText(s.content);
    else
      memo1_.loadRtf(s.content);
  } catch (const Error&) {
    document_.fileSinki();
    throw;
  }
  document_.kind = s.plainText ? DocumentKind::PlainText : DocumentKind::RichText;
  // Saved later in the encoding its file had.
  if (s.plainText) document_.encoding = encodingNamed(s.encoding).value_or(TextEncoding::ShiftJis);
  // The file on disk is not what the editor holds: a save writes the editor's text, never bytes
  // remembered from the file.
  document_.original.forget();
  document_.fnameSet(s.fileName);
  memo1_.setSelStart(s.caret);
  memo1_.scrollCaret();
  memo1_.setModified(true);
}

struct RecoveryWiring::Kept {
  Kept(const RecoveryWiringPorts& p, RecoveryStore& s)
      : store(s), document(p.memo1, p.document, p.look), keeper(store, document, p.ui) {}
  RecoveryStore& store;
  EditorRecoveryDocument document;
  RecoveryKeeper keeper;
};

RecoveryWiring::RecoveryWiring(const RecoveryWiringPorts& ports) : ports_(ports) {}

RecoveryWiring::~RecoveryWiring() = default;

void RecoveryWiring::keep(RecoveryStore& store) { kept_ = std::make_unique<Kept>(ports_, store); }

void RecoveryWiring::memo1Change() {
  if (kept_) kept_->keeper.changed(ports_.clock.tickMs());
}

void RecoveryWiring::timerGyoRetTimer() {
  if (kept_) kept_->keeper.tick(ports_.clock.tickMs());
}

void RecoveryWiring::writeFinished(bool ok) {
  if (kept_) kept_->keeper.writeFinished(ok, ports_.clock.tickMs());
}

void RecoveryWiring::settled() {
  if (kept_) kept_->keeper.settled();
}

void RecoveryWiring::offer(bool resume) {
  if (kept_) offerRecovery({kept_->store, kept_->document, ports_.ui, ports_.clock}, kept_->keeper, resume);
}

bool RecoveryWiring::keepForNextStart() { return kept_ && kept_->keeper.keepForNextStart(); }

}  // namespace kakipo
