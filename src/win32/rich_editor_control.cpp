// The control behind the document: built, configured and watched here, and replaced whole by a
// fresh one for a new or loaded document, since deleting a large text in place takes minutes.
#include "win32/rich_editor.h"

#include <commctrl.h>

#include <utility>

#include "core/control_text.h"
#include "core/editor_texts.h"
#include "core/errors.h"
#include "win32/char_format.h"
#include "win32/controls/rich_edit.h"
#include "win32/encoding.h"
#include "win32/rich_edit_messages.h"
#include "win32/rich_edit_stream.h"
#include "win32/ui_resources.h"
#include "win32/window.h"

namespace kakipo::win32 {

namespace {

constexpr UINT_PTR watchId = 1;

// Posted to the document's control after an undo has given up the control it came in through.
UINT discardMessage() {
  static const UINT message = RegisterWindowMessageW(L"KakipoDiscardEditor");
  return message;
}

bool isUndo(UINT msg, WPARAM w) {
  if (msg == EM_UNDO || msg == WM_UNDO) return true;
  return msg == WM_KEYDOWN && w == 'Z' && (GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_SHIFT) & 0x8000) &&
         !(GetKeyState(VK_MENU) & 0x8000);
}

HMODULE loadRichEdit() {
  static HMODULE lib = LoadLibraryW(L"msftedit.dll");
  return lib;
}

}  // namespace

RichEditor::RichEditor(HWND parent, int id, int textLimit) : parent_(parent), id_(id), textLimit_(textLimit) {
  loadRichEdit();
  control_ = makeControl(RECT{0, 0, 100, 100}, true);
  configure(hwnd(), nullptr);
  adopt();
}

UniqueWindow RichEditor::makeControl(const RECT& r, bool visible) const {
  DWORD style = WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                ES_NOHIDESEL | ES_WANTRETURN;
  if (visible) style |= WS_VISIBLE;
  UniqueWindow control(CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"", style, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, parent_, childId(id_),
                                       GetModuleHandleW(nullptr), nullptr));
  if (!control) throw Error(texts::editorNotCreated);
  return control;
}

// Every setting of the document's view onto a control, the default text format `format` (or ours).
void RichEditor::configure(HWND h, const CHARFORMAT2W* format) const {
  re::setLimit(h, textLimit_);
  re::setTextMode(h, TM_RICHTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE);
  if (format) {
    re::setCharFormat(h, SCF_DEFAULT, *format);
  } else if (haveDefaultFormat_) {
    re::setCharFormat(h, SCF_DEFAULT, defaultFormat_);
  }
  applyBackground(h);
  re::setWrap(h, wordWrap_);
  applyScrollBars(h);
}

// Takes the control on: nothing read from an earlier one holds, and its notifications start (only
// now, so that a document read into it before it is ours tells the window nothing).
void RichEditor::adopt() {
  const HWND h = hwnd();
  text_.reset();
  caretKnown_ = false;
  SetWindowSubclass(h, watchProc, watchId, reinterpret_cast<DWORD_PTR>(this));
  re::setEventMask(h, ENM_CHANGE | ENM_SELCHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS);
}

UniqueWindow RichEditor::swapIn(UniqueWindow fresh) {
  const HWND old = hwnd();
  RECT r = placement();
  // The control's own flag: while the main window is still hidden at start-up, IsWindowVisible
  // would say no for a control that is meant to show.
  const bool visible = (GetWindowLongPtrW(old, GWL_STYLE) & WS_VISIBLE) != 0;
  const bool focused = GetFocus() == old;
  const HWND after = GetWindow(old, GW_HWNDPREV);
  UniqueWindow previous = std::exchange(control_, std::move(fresh));
  adopt();
  SetWindowPos(hwnd(), after ? after : HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE);
  ShowWindow(previous.get(), SW_HIDE);
  if (visible) ShowWindow(hwnd(), SW_SHOWNA);
  if (focused) SetFocus(hwnd());
  // A control coming back from behind may have been hidden in the middle of an update.
  re::setRedraw(hwnd(), updateDepth_ == 0);
  if (updateDepth_ > 0) re::setEventMask(hwnd(), 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
  return previous;
}

RECT RichEditor::placement() const {
  RECT r;
  GetWindowRect(hwnd(), &r);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);  // a RECT is two POINTs
  return r;
}

// An empty document in a new control, built before the old one goes so that the parent never lays
// out a missing editor; if it cannot be built, the old one stays as it was.
void RichEditor::recreate() {
  UniqueWindow fresh = makeControl(placement(), false);
  configure(fresh.get(), nullptr);
  forgetRebuild();
  swapIn(std::move(fresh));
}

LRESULT CALLBACK RichEditor::watchProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<RichEditor*>(data);  // set by adopt()
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, watchProc, watchId);
    // Gone with its parent: nothing is left to destroy.
    for (UniqueWindow* owner : {&self->control_, &self->beforeRebuild_, &self->discarded_})
      if (owner->get() == hwnd) owner->release();
    return DefSubclassProc(hwnd, msg, w, l);
  }
  // A control kept for an undo, or on its way out, is not the document's view.
  if (hwnd != self->hwnd()) return DefSubclassProc(hwnd, msg, w, l);
  if (msg == discardMessage()) {
    self->discarded_.reset();
    return 0;
  }
  if (isUndo(msg, w) && self->undoRebuild()) return msg == WM_KEYDOWN ? 0 : TRUE;
  const bool text = keepsText(msg);
  const bool lines = keepsLines(msg);
  // Forgotten before and after: a message that runs a modal loop (a drag) may change the text
  // after something in that loop asked for it.
  if (!text) self->text_.reset();
  if (!lines) self->caretKnown_ = false;
  const LRESULT result = DefSubclassProc(hwnd, msg, w, l);
  if (!text) self->text_.reset();
  if (!lines) self->caretKnown_ = false;
  return result;
}

void RichEditor::clear() {
  if (GetWindowTextLengthW(hwnd()) > 0) recreate();
  re::setModified(hwnd(), false);
  re::emptyUndo(hwnd());
}

void RichEditor::loadText(const std::string& text, const Font* startFormat, const std::function<bool()>& cancelled) {
  // One CR for every line break, the control's own: anything else it would take its own way.
  const std::u16string units = controlOfText(text);
  // Anything over the limit would be cut off silently and then pass for the whole document.
  if (units.size() > static_cast<std::size_t>(textLimit_)) throw DocumentTooLarge(texts::editorTooLarge);
  loadInto(units.data(), units.size() * sizeof(char16_t), SF_TEXT | SF_UNICODE, startFormat, cancelled);
}

void RichEditor::loadRtf(const std::string& rtf, const Font* startFormat, const std::function<bool()>& cancelled) {
  // What does not start as RTF is refused here rather than guessed at by the control.
  if (rtf.rfind("{\\rtf", 0) != 0) throw Error(texts::editorNotRtf);
  loadInto(rtf.data(), rtf.size(), SF_RTF, startFormat, cancelled);
}

// The new document is read into a control of its own beside the open one, which goes only once
// the whole stream is in: a read that fails, overflows or is cancelled costs the new control and
// nothing else. Deleting the old text in place would cost minutes on a large document anyway.
void RichEditor::loadInto(const void* data, std::size_t size, UINT format, const Font* startFormat,
                          const std::function<bool()>& cancelled) {
  const CHARFORMAT2W start = startFormat ? toCharFormat(*startFormat) : defaultFormat_;
  UniqueWindow fresh = makeControl(placement(), false);
  configure(fresh.get(), startFormat ? &start : nullptr);
  switch (streamInto(fresh.get(), data, size, format, cancelled)) {
    case StreamResult::Cancelled: throw LoadCancelled();
    case StreamResult::Failed: throw Error(texts::editorReadFailed);
    case StreamResult::Read: break;
  }
  // The control stops taking RTF at its limit: what it holds then is not the whole document.
  if (format == SF_RTF && re::lengthInUnits(fresh.get()) >= textLimit_) throw DocumentTooLarge(texts::editorTooLarge);
  re::setModified(fresh.get(), false);
  re::emptyUndo(fresh.get());
  if (startFormat) {
    defaultFormat_ = start;
    haveDefaultFormat_ = true;
  }
  forgetRebuild();
  swapIn(std::move(fresh));
}

}  // namespace kakipo::win32

namespace kakipo::win32 {

// The document in a fresh control with every unit in one look, which is what it had: nothing of
// it is lost. The old control stays, hidden, for the undo; deleting its text in place would cost
// minutes where the fresh one costs what a paste of the same text does.
void RichEditor::rebuild(const std::wstring& units, const CHARFORMAT2W& look, const PARAFORMAT2& paragraphs) {
  const POINT scrolled = re::scrollPos(hwnd());
  UniqueWindow fresh = makeControl(placement(), false);
  const HWND h = fresh.get();
  configure(h, nullptr);
  if (streamInto(h, units.data(), units.size() * sizeof(wchar_t), SF_TEXT | SF_UNICODE) != StreamResult::Read)
    throw Error(texts::editorReadFailed);
  re::select(h, 0, -1);
  re::setCharFormat(h, SCF_SELECTION, look);
  re::setParaFormat(h, paragraphs);
  re::select(h, 0, 0);
  // Giving it its look is no step of the user's to undo.
  re::emptyUndo(h);
  re::setModified(h, true);
  re::setScrollPos(h, scrolled);
  forgetRebuild();
  beforeRebuild_ = swapIn(std::move(fresh));
  rebuiltText_ = wideText();
}

bool RichEditor::undoRebuild() {
  if (!beforeRebuild_ || re::canUndo(hwnd())) return false;
  // Edits the control can no longer undo lie between: the old document is out of reach.
  if (*wideText() != *rebuiltText_) {
    forgetRebuild();
    return false;
  }
  // This may run inside a message of the rebuilt control, which must outlive it.
  discarded_ = swapIn(std::move(beforeRebuild_));
  rebuiltText_.reset();
  PostMessageW(hwnd(), discardMessage(), 0, 0);
  // Saved since the rebuild or not, the text is no longer the one on disk.
  re::setModified(hwnd(), true);
  if (updateDepth_ == 0)
    SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(id_, EN_CHANGE), reinterpret_cast<LPARAM>(hwnd()));
  return true;
}

void RichEditor::forgetRebuild() {
  rebuiltText_.reset();
  beforeRebuild_.reset();
}

}  // namespace kakipo::win32
