#include "app/recovery_wiring.h"

#include "core/errors.h"
#include "recovery/recovery_keeper.h"
#include "recovery/recovery_offer.h"

namespace kakipo {

namespace {
// Plain-text documents are all Shift_JIS for now; the field is there for the day they are not.
const std::string plainTextEncoding = "Shift_JIS";
}  // namespace

RecoverySnapshot EditorRecoveryDocument::snapshot() const {
  RecoverySnapshot s;
  s.plainText = memo1_.plainText();
  s.content = s.plainText ? exact_.utf8() : memo1_.save();
  s.fileName = state_.fileName;
  if (s.plainText) s.encoding = plainTextEncoding;
  s.caret = memo1_.selStart() + memo1_.selLength();
  return s;
}

void EditorRecoveryDocument::restore(const RecoverySnapshot& s) {
  try {
    memo1_.setPlainText(s.plainText);
    look_.applyNextOpenFont();
    if (s.plainText)
      exact_.loadUtf8(s.content);
    else
      memo1_.load(s.content);
  } catch (const Error&) {
    memo1_.setPlainText(true);
    document_.fileSinki();
    throw;
  }
  // The file on disk is not what the editor holds: a save writes the editor's text, never bytes
  // remembered from the file.
  document_.original.forget();
  document_.fnameSet(s.fileName);
  memo1_.setSelStart(s.caret);
  memo1_.scrollCaret();
  memo1_.setModified(true);
}

struct RecoveryWiring::Kept {
  Kept(const RecoveryWiringPorts& p, RecoveryStore& s, ExactText& exact)
      : store(s), document(p.memo1, exact, p.document, p.look, p.state), keeper(store, document, p.ui) {}
  RecoveryStore& store;
  EditorRecoveryDocument document;
  RecoveryKeeper keeper;
};

RecoveryWiring::RecoveryWiring(const RecoveryWiringPorts& ports) : ports_(ports) {}

RecoveryWiring::~RecoveryWiring() = default;

void RecoveryWiring::keep(RecoveryStore& store, ExactText& exact) {
  kept_ = std::make_unique<Kept>(ports_, store, exact);
}

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

void RecoveryWiring::offer() {
  if (kept_) offerRecovery({kept_->store, kept_->document, ports_.ui, ports_.clock}, kept_->keeper);
}

}  // namespace kakipo
