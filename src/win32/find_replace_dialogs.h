// The modeless common Find and Replace dialogs (FindTextW / ReplaceTextW) behind the SearchDialogs
// port: texts handed on exactly, the dialogs' flags turned into the logic's
// option word.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <array>
#include <string>

#include "search/search_dialogs.h"
#include "win32/handles.h"

namespace kakipo::win32 {

// What a FINDMSGSTRING notification asks for.
enum class SearchRequest { None, FindNext, Replace, ReplaceAll, Closing };

struct SearchNotification {
  SearchDialog dialog = SearchDialog::Find;
  SearchRequest request = SearchRequest::None;
};

// The logic's option word for the flags a dialog reports.
unsigned optionWord(DWORD flags);

class FindReplaceDialogs : public SearchDialogs {
 public:
  // The dialogs are owned by `owner`, which receives their notifications as findMessage(). They
  // point into this object and go with it.
  explicit FindReplaceDialogs(HWND owner);
  FindReplaceDialogs(const FindReplaceDialogs&) = delete;
  FindReplaceDialogs& operator=(const FindReplaceDialogs&) = delete;

  // The registered FINDMSGSTRING message.
  static UINT findMessage();

  void show(SearchDialog dialog) override;
  std::string findText(SearchDialog dialog) const override;
  std::string replaceText() const override;
  unsigned options(SearchDialog dialog) const override;
  bool fuzzy(SearchDialog dialog) const override;

  // For the owner's window procedure on findMessage(): records the dialog's state and says which
  // dialog asks for what. The shell then calls FindDialog1Find, ReplaceDialog1Find or
  // ReplaceDialog1Replace; on Closing there is nothing more to do.
  SearchNotification onFindMessage(LPARAM lParam);
  // For the message loop: true when the message was a keystroke for an open dialog and is handled.
  bool isDialogMessage(MSG& msg);
  // The open dialog's window, or null.
  HWND window(SearchDialog dialog) const { return state(dialog).hwnd.get(); }

 private:
  struct Dialog {
    FINDREPLACEW fr{};
    std::array<wchar_t, dialogTextLimit + 1> findWhat{};
    std::array<wchar_t, dialogTextLimit + 1> replaceWith{};
    // What the boxes held at the latest notification, read from the boxes themselves: Wine's
    // dialog fills the buffers above through the ANSI code page, which has no 鷗 nor emoji.
    std::wstring findBox;
    std::wstring replaceBox;
    UniqueWindow hwnd;
    unsigned options = dialogInitialOptions;
    bool fuzzy = false;  // its あいまい検索 box, which the system's dialog does not have
    bool havePlace = false;
    POINT place{};  // where the user last left it
  };
  Dialog& state(SearchDialog d) { return d == SearchDialog::Find ? find_ : replace_; }
  const Dialog& state(SearchDialog d) const { return d == SearchDialog::Find ? find_ : replace_; }

  HWND owner_;
  Dialog find_;
  Dialog replace_;
};

}  // namespace kakipo::win32
