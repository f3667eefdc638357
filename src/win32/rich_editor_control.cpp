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
// Enough for a bulk edit of many pieces (quote markers on every line of a long mail) to stay one
// step; Wine keeps at most this many.
constexpr int undoSteps = 1000;

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
  undoLimit_ = re::setUndoLimit(h, undoSteps);
  re::setZoom(h, zoom_);
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
  forgetText();
  caretKnown_ = false;
  forgetSteps();
  SetWindowSubclass(h, watchProc, watchId, reinterpret_cast<DWORD_PTR>(this));
  // Scroll events: the wheel, which Windows tells only with them and Wine with the mouse's.
  re::setEventMask(h, ENM_CHANGE | ENM_SELCHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_SCROLLEVENTS);
}

UniqueWindow RichEditor::swapIn(UniqueWindow fresh) {
  const HWND old = hwnd();
  RECT r = placement();
  // The control's own flag: while the main window is still hidden at start-up, IsWindowVisible
  // would say no for a control that is meant to show.
  const bool visible = (GetWindowLongPtrW(old, GWL_STYLE) & WS_VISIBLE) != 0;
  const bool focused = GetFocus() == old;
  HWND after = GetWindow(old, GW_HWNDPREV);
  // Shown and painted over the current one already (paintOver): nothing it covers needs painting
  // when the current one goes, and a second paint of a very long line would cost as much again.
  const bool paintedOver = after == fresh.get();
  if (paintedOver) after = GetWindow(after, GW_HWNDPREV);
  UniqueWindow previous = std::exchange(control_, std::move(fresh));
  adopt();
  SetWindowPos(hwnd(), after ? after : HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE | (paintedOver ? SWP_NOREDRAW : 0));
  SetWindowPos(previous.get(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (paintedOver ? SWP_NOREDRAW : 0));
  if (visible) ShowWindow(hwnd(), SW_SHOWNA);
  if (focused) SetFocus(hwnd());
  // A control coming back from behind an undo may have been hidden in the middle of an update.
  re::setRedraw(hwnd(), updateDepth_ == 0);
  if (updateDepth_ > 0) {
    re::setEventMask(hwnd(), 0);
  } else {
    if (!paintedOver) InvalidateRect(hwnd(), nullptr, TRUE);
    // A new document is a change of the whole text: the parent hears of it as of any other (the
    // counts start again); inside an update it hears of it at the end.
    tellChange();
  }
  return previous;
}

// Shows a new control over the current one and paints it. The first paint of a very long line
// costs Wine's control as much as laying it out; done here, it falls inside the load, while the
// progress dialog still shows and a cancel still keeps the current document.
void RichEditor::paintOver(HWND fresh) const {
  const HWND old = hwnd();
  if (!(GetWindowLongPtrW(old, GWL_STYLE) & WS_VISIBLE)) return;
  const HWND above = GetWindow(old, GW_HWNDPREV);
  const RECT r = placement();
  SetWindowPos(fresh, above ? above : HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  UpdateWindow(fresh);
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
    for (UniqueWindow* owner : {&self->control_, &self->otherSide_})
      if (owner->get() == hwnd) owner->release();
    return DefSubclassProc(hwnd, msg, w, l);
  }
  // A control kept for an undo or a redo is not the document's view.
  if (hwnd != self->hwnd()) return DefSubclassProc(hwnd, msg, w, l);
  // The control's own undo and redo keys take a bulk edit back whole, as the menu does.
  if (msg == WM_KEYDOWN && (w == 'Z' || w == 'Y') && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) >= 0 &&
      GetKeyState(VK_MENU) >= 0) {
    self->replay(w == 'Z' ? EM_UNDO : EM_REDO);
    return 0;
  }
  if (!self->ownUndoSteps_ && (mayTouchUndo(msg, w) || (msg == WM_LBUTTONDOWN && self->clickStartsDrag(l))))
    self->forgetSteps();
  const bool text = keepsText(msg);
  const bool lines = keepsLines(msg);
  // Forgotten before and after: a message that runs a modal loop (a drag) may change the text
  // after something in that loop asked for it.
  if (!text) self->forgetText();
  if (!lines) self->caretKnown_ = false;
  const LRESULT result = DefSubclassProc(hwnd, msg, w, l);
  if (!text) self->forgetText();
  if (!lines) self->caretKnown_ = false;
  return result;
}

void RichEditor::clear() {
  forgetRebuild();
  if (GetWindowTextLengthW(hwnd()) > 0) recreate();
  re::setModified(hwnd(), false);
  re::emptyUndo(hwnd());
}

void RichEditor::loadText(const std::string& text, const Font* startFormat, const std::function<bool()>& cancelled) {
  // One CR for every line break, the control's own: anything else it would take its own way.
  const std::u16string units = controlOfText(text);
  // Anything over the limit would be cut off silently and then pass for the whole document.
  if (units.size() > static_cast<std::size_t>(textLimit_)) throw DocumentTooLarge(texts::editorTooLarge);
  loadInto([&](HWND fresh) { return streamTextInPieces(fresh, asWide(units), cancelled); }, false, startFormat,
           cancelled);
}

void RichEditor::loadRtf(const std::string& rtf, const Font* startFormat, const std::function<bool()>& cancelled) {
  // What does not start as RTF is refused here rather than guessed at by the control.
  if (rtf.rfind("{\\rtf", 0) != 0) throw Error(texts::editorNotRtf);
  loadInto([&](HWND fresh) { return streamInto(fresh, rtf.data(), rtf.size(), SF_RTF, cancelled); }, true,
           startFormat, cancelled);
}

// The new document is read into a control of its own beside the open one, which goes only once
// the whole stream is in: a read that fails, overflows or is cancelled costs the new control and
// nothing else. Deleting the old text in place would cost minutes on a large document anyway.
void RichEditor::loadInto(const std::function<StreamResult(HWND)>& read, bool rtf, const Font* startFormat,
                          const std::function<bool()>& cancelled) {
  const CHARFORMAT2W start = startFormat ? toCharFormat(*startFormat) : defaultFormat_;
  UniqueWindow fresh = makeControl(placement(), false);
  configure(fresh.get(), startFormat ? &start : nullptr);
  const StreamResult result = read(fresh.get());
  // A cancel pressed while the control laid out the last read, or painted it (all of one very long
  // line each time, which nothing can interrupt), still leaves the open document as it is.
  const auto cancelledNow = [&] { return cancelled && cancelled(); };
  if (result == StreamResult::Cancelled || cancelledNow()) throw LoadCancelled();
  if (result == StreamResult::Failed) throw Error(texts::editorReadFailed);
  // The control stops taking RTF at its limit: what it holds then is not the whole document.
  if (rtf && re::lengthInUnits(fresh.get()) >= textLimit_) throw DocumentTooLarge(texts::editorTooLarge);
  re::setModified(fresh.get(), false);
  re::emptyUndo(fresh.get());
  paintOver(fresh.get());
  if (cancelledNow()) throw LoadCancelled();
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
  re::setScrollPos(h, scrolled);
  forgetRebuild();
  otherSide_ = std::move(fresh);
  otherZoom_ = zoom_;
  otherWordWrap_ = wordWrap_;
  swapSides();
}

bool RichEditor::crossesRebuild(bool undoing) const {
  if (!otherSide_ || otherIsBefore_ != undoing) return false;
  // The rebuilt control's own steps since come back first; a redo crosses before the old
  // control's own redo steps, which are older than the rebuild.
  if (undoing && re::canUndo(hwnd())) return false;
  return *wideText() == *textAtSwap_;
}

void RichEditor::swapSides() {
  std::vector<int> undone = std::move(undoSteps_);
  std::vector<int> redone = std::move(redoSteps_);
  // Saved since or not, the text shown next is not the one on disk; the view is the one set now.
  // A zoom or a wrap lays the whole text out again, so only a change of them is passed on.
  const HWND other = otherSide_.get();
  re::setModified(other, true);
  if (otherZoom_ != zoom_) re::setZoom(other, zoom_);
  if (otherWordWrap_ != wordWrap_) re::setWrap(other, wordWrap_);
  otherZoom_ = zoom_;
  otherWordWrap_ = wordWrap_;
  applyBackground(other);
  applyScrollBars(other);
  // swapIn adopts the other control, which forgets the steps: each side's record goes with it.
  otherSide_ = swapIn(std::move(otherSide_));
  undoSteps_ = std::exchange(otherUndoSteps_, std::move(undone));
  redoSteps_ = std::exchange(otherRedoSteps_, std::move(redone));
  lengthAtSteps_ = re::lengthInUnits(hwnd());
  otherIsBefore_ = !otherIsBefore_;
  textAtSwap_ = wideText();
}

void RichEditor::forgetRebuild() {
  otherSide_.reset();
  otherUndoSteps_.clear();
  otherRedoSteps_.clear();
  textAtSwap_.reset();
}

}  // namespace kakipo::win32
