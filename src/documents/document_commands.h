// Opening, saving, the unsaved-changes guard and the recent-files history: the commands of the
// New, Open, Save As and overwrite-save buttons, file drops and the history menu.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/editor.h"
#include "core/new_document_look.h"
#include "core/progress.h"
#include "core/ui.h"
#include "core/window_state.h"
#include "documents/document_ports.h"
#include "documents/document.h"
#include "documents/files.h"
#include "documents/look_alikes.h"

namespace kakipo {

// Files above this many bytes are loaded only after the user agrees.
inline constexpr std::int64_t largeFileBytes = 1000000;

// Records name in slot 0 unless a slot holds it already; the oldest entry drops out of slot 4.
void recordRecentFile(std::array<std::string, historyCount>& history, const std::string& name);

struct DocumentPorts {
  Editor& memo1;
  MessageBoxes& ui;
  Files& files;
  FileDialogs& dialogs;
  ProgressDialog& progress;
  HistoryMenu& historyMenu;
  MainWindowFront& front;
  const Clock& clock;  // the monotonic milliseconds a change on disk is given to settle
  // A short notice that needs no answer (the status bar shows it for a while).
  std::function<void(const std::string&)> notice;
};

// The loss question's text: the name, then the first ten characters with line and column counted
// from 1, then how many more, then the choice: Yes saves as it is, No saves as UTF-8, Cancel (the
// default) saves nothing. When some of them have a Shift_JIS look-alike, it also names those that
// have none, which keep the replacement from being offered.
std::string lossReportText(const std::string& name, const std::vector<LostCharacter>& lost,
                           bool someHaveLookAlikes = false);
// The question before it when every one of them has a look-alike: the replacements and how many
// of each; Yes (the default) replaces them and saves, No goes on to the loss question.
std::string lookAlikeQuestionText(const std::string& name, const std::vector<LookAlikeCount>& replacements);

class DocumentCommands {
 public:
  DocumentCommands(WindowState& state, Document& document, NewDocumentLook& look, const DocumentPorts& ports);

  // Opening.
  // "Read the file": asks first about a large one, loads it as plain or rich text by its
  // extension (plain text in the encoding its bytes show), makes it current and records it in the
  // history; the history's empty slot is no file.
  void fileYomikomi(const std::string& name);
  // "File size": the size of the named file, -1 when there is none.
  std::int64_t fileYoryo(const std::string& name) const;
  // "Open dialog": runs the Open dialog and reads the file chosen.
  void dlgOpenFile();
  // "Read a drop": the names of the dropped files, in full; only the first is opened.
  void dropYomikomi(const std::vector<std::string>& names);

  // Saving and the guard.
  // "Save dialog": Save As from name, with the questions about the extension, overwriting and
  // characters a plain-text file cannot hold. True when the document was written.
  bool dlgSaveFile(const std::string& name);
  // "If changed, save": true when the caller may go on: nothing to save, the user declined
  // saving, or it was saved.
  bool ifHenkoSave();
  void tbtnNewClick();
  void tbtnOpenClick();
  void tbtnSaveClick();
  // The overwrite-save button: writes the current file without a dialog (Save As when untitled).
  void tbtnUwagakiClick();

  // Recent files.
  // "Update the history": records name as the newest entry unless the history holds it already.
  void rirekKosin(const std::string& name);
  // The history menu opens: its five entries are captioned from the history.
  void PopupMenu2Popup();
  // "History entry clicked": opens the entry, after the unsaved-changes guard.
  void popRirekClick(int index);
  void popRirek0Click() { popRirekClick(0); }
  void popRirek1Click() { popRirekClick(1); }
  void popRirek2Click() { popRirekClick(2); }
  void popRirek3Click() { popRirekClick(3); }
  void popRirek4Click() { popRirekClick(4); }

  // Encodings.
  // An encoding chosen from the status bar's encoding panel ("moji kodo", character code): the
  // current file is read again in it, after the unsaved-changes guard; an untitled document will
  // be saved in it, and so will every new document after it unless it is UTF-16. Nothing for a
  // rich-text document.
  void popMojiKodoClick(TextEncoding encoding);
  // Whether the encoding panel offers its menu: only a plain-text document has an encoding.
  bool encodingChoosable() const { return document_.plainText(); }

  // Another program and the open file.
  // The window became active, or a tick came while a change on disk settles: the file is looked at
  // again. An unmodified document is read again and the user told; a modified one asks once.
  void checkFile();
  // The 200 ms timer: a change on disk that was still settling is looked at again.
  void timerGyoRetTimer() {
    if (document_.watch.waiting()) checkFile();
  }
  // The window went behind another: nothing is decided meanwhile.
  void windowDeactivated() { document_.watch.deactivated(); }
  // The window is closing: a question still open about the file counts as "keep mine".
  void closing() { document_.watch.closing(); }

  // What OpenDialog1 and SaveDialog1 start from next time.
  int openFilterIndex() const { return openFilter_; }
  int saveFilterIndex() const { return saveFilter_; }

 private:
  // fileYomikomi, in the encoding given or the one the bytes show.
  void openFile(const std::string& name, std::optional<TextEncoding> encoding);
  // Reads the file into the editor and gives the document its kind, encoding and bytes; on a
  // failure the document and the editor are as they were.
  void loadFile(const std::string& name, bool rich, std::optional<TextEncoding> encoding);
  void writeFile(const std::string& name);
  // The document's text is the version of the file `identity` was read before (or after the write
  // of) `bytes`: the watch compares what is on disk with it from now on.
  void rememberFile(FileIdentity identity, const std::string& bytes);
  void actOnFile(WatchAction action);
  // The open file read again through the open path, without its questions; false when it cannot be
  // read now, which leaves the document as it was.
  bool readAgain(const std::string& name);
  void tellCannotHold(const std::string& name);
  // A .kpo file that begins as RTF but cannot be read as RTF (cut short by a crash or a full
  // disk): it is not shown as its source, which a save would wrap into a document of its own.
  struct BrokenRtf {};
  // Before a plain-text save in Shift_JIS: the encoding to save in (Shift_JIS when nothing would
  // be lost, when the user accepts the loss or has the look-alikes put in, UTF-8 when the user
  // chooses it), nothing when the save must not go on.
  std::optional<TextEncoding> encodingAfterLoss(const std::string& name);
  // The Shift_JIS look-alikes put in place of the characters of `text`, the editor's text.
  void putLookAlikes(const std::string& text);

  WindowState& state_;
  Document& document_;
  NewDocumentLook& look_;
  DocumentPorts ports_;
  int openFilter_ = filter::text;
  int saveFilter_ = filter::text;
  std::string openName_;  // OpenDialog1 starts with the name it last returned
  std::array<std::string, historyCount> menuCaptions_;
};

}  // namespace kakipo
