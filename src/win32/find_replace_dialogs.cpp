#include "win32/find_replace_dialogs.h"

#include <dlgs.h>

#include "search/search_texts.h"
#include "win32/control_ids.h"
#include "win32/encoding.h"
#include "win32/window.h"

namespace kakipo::win32 {

namespace {

// The direction and match-case choices as the dialog's own buttons show them, over `options`; a
// button the dialog does not have leaves its bit as it was.
unsigned choicesShown(HWND dialog, unsigned options) {
  const auto take = [&](int button, unsigned bit) {
    const HWND h = GetDlgItem(dialog, button);
    if (!h || !IsWindowVisible(h)) return;
    options = IsDlgButtonChecked(dialog, button) == BST_CHECKED ? options | bit : options & ~bit;
  };
  take(rad2, fr::down);  // rad1 is Up, rad2 Down
  take(chx2, fr::matchCase);
  return options;
}

// The あいまい検索 box, added in the place of the whole-word box that both dialogs hide. Match case
// means nothing to a fuzzy search, so its box is greyed while this one is ticked.
UINT_PTR CALLBACK fuzzyBoxHook(HWND dialog, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    const bool ticked = *reinterpret_cast<const bool*>(reinterpret_cast<const FINDREPLACEW*>(l)->lCustData);
    const HWND wholeWord = GetDlgItem(dialog, chx1);
    RECT r{};
    GetWindowRect(wholeWord, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);  // a RECT is two POINTs
    const HWND box = CreateWindowExW(0, L"BUTTON", widen(texts::fuzzySearchLabel).c_str(),
                                     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, r.left, r.top,
                                     r.right - r.left, r.bottom - r.top, dialog, childId(ids::fuzzySearch),
                                     GetModuleHandleW(nullptr), nullptr);
    SendMessageW(box, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(box, wholeWord, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // its place in the tab order
    CheckDlgButton(dialog, ids::fuzzySearch, ticked ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(dialog, chx2), !ticked);
    return TRUE;  // the dialog shows
  }
  if (msg == WM_COMMAND && LOWORD(w) == ids::fuzzySearch)
    EnableWindow(GetDlgItem(dialog, chx2), IsDlgButtonChecked(dialog, ids::fuzzySearch) != BST_CHECKED);
  return FALSE;
}

}  // namespace

unsigned optionWord(DWORD flags) {
  unsigned word = 0;
  if (flags & FR_DOWN) word |= fr::down;
  if (flags & FR_FINDNEXT) word |= fr::findNext;
  if (flags & FR_MATCHCASE) word |= fr::matchCase;
  if (flags & FR_REPLACE) word |= fr::replace;
  if (flags & FR_REPLACEALL) word |= fr::replaceAll;
  if (flags & FR_WHOLEWORD) word |= fr::wholeWord;
  return word;
}

UINT FindReplaceDialogs::findMessage() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
  return message;
}

FindReplaceDialogs::FindReplaceDialogs(HWND owner) : owner_(owner) {
  for (Dialog* d : {&find_, &replace_}) {
    d->fr.lStructSize = sizeof(FINDREPLACEW);
    d->fr.hwndOwner = owner;
    d->fr.lpstrFindWhat = d->findWhat.data();
    // Both lengths are in bytes, of the UTF-16 buffers.
    d->fr.wFindWhatLen = static_cast<WORD>(sizeof(wchar_t) * d->findWhat.size());
    d->fr.lpfnHook = fuzzyBoxHook;
    d->fr.lCustData = reinterpret_cast<LPARAM>(&d->fuzzy);
  }
  find_.fr.Flags = FR_DOWN | FR_HIDEWHOLEWORD | FR_ENABLEHOOK;
  replace_.fr.Flags = FR_DOWN | FR_HIDEWHOLEWORD | FR_HIDEUPDOWN | FR_ENABLEHOOK;
  replace_.fr.lpstrReplaceWith = replace_.replaceWith.data();
  replace_.fr.wReplaceWithLen = static_cast<WORD>(sizeof(wchar_t) * replace_.replaceWith.size());
  findMessage();
}

void FindReplaceDialogs::show(SearchDialog dialog) {
  Dialog& d = state(dialog);
  if (d.hwnd && IsWindow(d.hwnd.get())) {
    ShowWindow(d.hwnd.get(), SW_SHOW);
    BringWindowToTop(d.hwnd.get());
    return;
  }
  // One gone with its owner is no longer ours to destroy.
  d.hwnd.release();
  // It opens with the choices the user last left, from our own record: the structure may come
  // back from a closed dialog with them cleared (see onFindMessage).
  d.fr.Flags &= ~(FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL | FR_DIALOGTERM | FR_DOWN | FR_MATCHCASE);
  if (d.options & fr::down) d.fr.Flags |= FR_DOWN;
  if (d.options & fr::matchCase) d.fr.Flags |= FR_MATCHCASE;
  d.hwnd.reset(dialog == SearchDialog::Find ? FindTextW(&d.fr) : ReplaceTextW(&d.fr));
  const HWND h = d.hwnd.get();
  if (!h) return;
  // The boxes take no more characters than the texts may have bytes; the logic cuts the texts to
  // whole characters within the byte limit.
  SendDlgItemMessageW(h, edt1, EM_LIMITTEXT, dialogTextLimit, 0);
  SendDlgItemMessageW(h, edt2, EM_LIMITTEXT, dialogTextLimit, 0);
  // The texts of the last search as they were typed, which Wine's dialog seeds through the ANSI
  // code page.
  if (!d.findBox.empty()) SetDlgItemTextW(h, edt1, d.findBox.c_str());
  if (!d.replaceBox.empty()) SetDlgItemTextW(h, edt2, d.replaceBox.c_str());
  if (d.havePlace) SetWindowPos(h, nullptr, d.place.x, d.place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(h, SW_SHOW);
}

std::string FindReplaceDialogs::findText(SearchDialog dialog) const { return narrow(state(dialog).findBox.c_str()); }

std::string FindReplaceDialogs::replaceText() const { return narrow(replace_.replaceBox.c_str()); }

unsigned FindReplaceDialogs::options(SearchDialog dialog) const { return state(dialog).options; }

bool FindReplaceDialogs::fuzzy(SearchDialog dialog) const { return state(dialog).fuzzy; }

SearchNotification FindReplaceDialogs::onFindMessage(LPARAM lParam) {
  const auto* fr = reinterpret_cast<const FINDREPLACEW*>(lParam);
  SearchNotification n;
  if (fr == &find_.fr)
    n.dialog = SearchDialog::Find;
  else if (fr == &replace_.fr)
    n.dialog = SearchDialog::Replace;
  else
    return n;
  Dialog& d = state(n.dialog);
  // Wine's dialog clears the direction and match case in the structure at every command it
  // handles (a key typed in its box among them) and tells of Cancel, the close box or Esc without
  // putting them back; its buttons, still there while it tells, say what the user left.
  if (fr->Flags & FR_DIALOGTERM)
    d.options = d.hwnd ? choicesShown(d.hwnd.get(), d.options) : d.options;
  else
    d.options = optionWord(fr->Flags);
  if (d.hwnd) d.fuzzy = IsDlgButtonChecked(d.hwnd.get(), ids::fuzzySearch) == BST_CHECKED;
  if (d.hwnd && !(fr->Flags & FR_DIALOGTERM)) {
    d.findBox = windowText(GetDlgItem(d.hwnd.get(), edt1));
    d.replaceBox = windowText(GetDlgItem(d.hwnd.get(), edt2));
  }
  if (fr->Flags & FR_DIALOGTERM) {
    RECT r;
    if (d.hwnd && GetWindowRect(d.hwnd.get(), &r)) {
      d.place = {r.left, r.top};
      d.havePlace = true;
    }
    d.hwnd.release();  // the dialog ends itself
    n.request = SearchRequest::Closing;
  } else if (fr->Flags & FR_REPLACEALL) {
    n.request = SearchRequest::ReplaceAll;
  } else if (fr->Flags & FR_REPLACE) {
    n.request = SearchRequest::Replace;
  } else if (fr->Flags & FR_FINDNEXT) {
    n.request = SearchRequest::FindNext;
  }
  return n;
}

bool FindReplaceDialogs::isDialogMessage(MSG& msg) {
  for (const Dialog* d : {&find_, &replace_})
    if (d->hwnd && IsDialogMessageW(d->hwnd.get(), &msg)) return true;
  return false;
}

}  // namespace kakipo::win32
