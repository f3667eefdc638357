#include "documents/document_commands.h"

#include <algorithm>
#include <cstdio>

#include "core/cp932.h"
#include "core/crc32.h"
#include "core/errors.h"
#include "documents/document_texts.h"
#include "core/text_codec.h"
#include "core/utf.h"
#include "documents/encoding_detection.h"
#include "documents/long_lines.h"
#include "documents/text_loss.h"

namespace kakipo {

void recordRecentFile(std::array<std::string, historyCount>& history, const std::string& name) {
  for (const auto& slot : history)
    if (slot == name) return;  // a known file keeps its place
  for (int i = historyCount - 1; i > 0; --i) history[i] = history[i - 1];
  history[0] = name;
}

DocumentCommands::DocumentCommands(WindowState& state, Document& document, NewDocumentLook& look,
                                   const DocumentPorts& ports)
    : state_(state), document_(document), look_(look), ports_(ports) {
  menuCaptions_.fill(emptySlot);
}

// ---- Opening ----

std::int64_t DocumentCommands::fileYoryo(const std::string& name) const {
  return ports_.files.size(ports_.files.fullPath(name));
}

void DocumentCommands::fileYomikomi(const std::string& name) { openFile(name, std::nullopt); }

void DocumentCommands::openFile(const std::string& name, std::optional<TextEncoding> encoding) {
  if (name == emptySlot) return;
  auto& memo1 = ports_.memo1;
  auto& ui = ports_.ui;

  const std::int64_t size = fileYoryo(name);
  if (size > largeFileBytes &&
      ui.messageBox(name + texts::nameBreak + texts::largeFileQuestion, texts::largeFileCaption,
                    mb::okCancel | mb::iconInformation | mb::defButton1) != mb::idOk)
    return;

  if (size > maxDocumentBytes) {
    tellCannotHold(name);
    return;
  }
  // Nothing of the open document changes until the new one is in: a file that cannot be opened,
  // cannot be read whole or is cancelled leaves the text, the kind and the dialogs as they were.
  const std::string ext = upperAscii(extensionOf(name));
  const bool rich = ext == ".KPO";
  try {
    ProgressScope progress(ports_.progress, true, filePart(name) + texts::openingSuffix);
    loadFile(name, rich, encoding);
  } catch (const LoadCancelled&) {
    return;
  } catch (const OpenError&) {
    ui.messageBox(name + texts::nameBreak + texts::openErrorText, texts::openErrorCaption,
                  mb::ok | mb::iconError);
    return;
  } catch (const DocumentTooLarge&) {
    tellCannotHold(name);
    return;
  } catch (const BrokenRtf&) {
    ui.messageBox(name + texts::nameBreak + texts::brokenRtfText, texts::openErrorCaption, mb::ok | mb::iconError);
    return;
  }
  openFilter_ = saveFilter_ = rich ? filter::kakipo : ext == ".TXT" ? filter::text : filter::all;
  document_.fnameSet(name);
  rirekKosin(name);
  memo1.setModified(false);
}

void DocumentCommands::loadFile(const std::string& name, bool rich, std::optional<TextEncoding> encoding) {
  auto& memo1 = ports_.memo1;
  // Before the read: a write that comes between the two then shows as a change, never as the
  // version read.
  const FileIdentity version = ports_.files.identity(name);
  const std::string bytes = ports_.files.readAll(name);
  const Font& font = state_.nextOpenFont;
  const auto cancelled = [this] { return ports_.progress.cancelRequested(); };
  // The plain text of the file in the encoding given or the one its bytes show; the mark, which
  // is no part of the text, stays out of the editor (the original bytes keep it).
  const auto loadPlain = [&](std::optional<TextEncoding> chosen) {
    const DetectedEncoding read = chosen ? readAs(*chosen, bytes) : detectEncoding(bytes);
    const std::string text = decodeText(std::string_view(bytes).substr(read.markBytes), read.encoding);
    // The editor takes minutes over one very long line, and nothing can stop it: the user decides
    // before it starts.
    const HeaviestLine heaviest = heaviestLine(text);
    if (heaviest.runs >= slowLineRuns &&
        ports_.ui.messageBox(name + texts::nameBreak + texts::longLineQuestionHead +
                                 std::to_string(heaviest.characters) + texts::longLineQuestionTail,
                             texts::largeFileCaption, mb::okCancel | mb::iconWarning | mb::defButton2) != mb::idOk)
      throw LoadCancelled();
    memo1.loadText(text, &font, cancelled);
    return read.encoding;
  };
  if (!rich) {
    const TextEncoding read = loadPlain(encoding);
    document_.kind = DocumentKind::PlainText;
    document_.encoding = read;
    document_.original.remember(bytes, read);
    rememberFile(version, bytes);
    return;
  }
  try {
    memo1.loadRtf(bytes, &font, cancelled);
  } catch (const DocumentTooLarge&) {
    throw;
  } catch (const LoadCancelled&) {
    throw;
  } catch (const Error&) {
    if (bytes.rfind("{\\rtf", 0) == 0) throw BrokenRtf{};
    // Not RTF after all: show it as the text it is, and keep the document rich so that saving
    // it writes RTF into its .kpo file.
    try {
      loadPlain(std::nullopt);
    } catch (const DocumentTooLarge&) {
      throw;
    } catch (const LoadCancelled&) {
      throw;
    } catch (const Error&) {
      throw Error(texts::streamReadFailed);
    }
  }
  document_.kind = DocumentKind::RichText;
  // Its text saved as plain text later starts in the encoding a new document's does.
  document_.encoding = document_.newDocumentEncoding;
  document_.original.forget();
  rememberFile(version, bytes);
}

void DocumentCommands::rememberFile(FileIdentity identity, const std::string& bytes) {
  if (doubtRemains(identity, ports_.files.nowTicks())) identity.hash = crc32(bytes);
  document_.watch.remember(identity, ports_.clock.tickMs());
}

void DocumentCommands::tellCannotHold(const std::string& name) {
  ports_.ui.messageBox(name + texts::nameBreak + texts::tooLargeText, texts::openErrorCaption,
                       mb::ok | mb::iconError);
}

void DocumentCommands::dlgOpenFile() {
  std::string name = openName_;
  int chosenFilter = openFilter_;
  if (!ports_.dialogs.runOpenDialog(name, chosenFilter)) return;
  openName_ = name;
  openFilter_ = chosenFilter;
  fileYomikomi(name);
}

void DocumentCommands::dropYomikomi(const std::vector<std::string>& names) {
  if (names.empty()) return;
  const std::string name = names.front();
  // A cancelled save keeps the unsaved text rather than dropping it for the new file.
  if (!ifHenkoSave()) return;
  document_.fileSinki();
  fileYomikomi(name);
  ports_.front.bringToForeground();
  ports_.memo1.setModified(false);
}

// ---- Saving and the guard ----

bool DocumentCommands::dlgSaveFile(const std::string& name) {
  auto& ui = ports_.ui;
  std::string chosen = name;
  int chosenFilter = saveFilter_;
  TextEncoding encoding = document_.encoding;
  if (!ports_.dialogs.runSaveDialog(chosen, chosenFilter, encoding)) return false;
  saveFilter_ = chosenFilter;

  const std::string ext = upperAscii(extensionOf(chosen));
  std::string finalName = chosen;
  const unsigned question = mb::okCancel | mb::iconInformation | mb::defButton1;
  if (chosenFilter == filter::text && ext.empty()) {
    if (ui.messageBox(chosen + texts::nameBreak + texts::addTxtQuestion, texts::saveQuestionCaption,
                      question) != mb::idOk)
      return false;
    finalName = chosen + ".txt";
  } else if (chosenFilter == filter::kakipo && ext != ".KPO") {
    if (ui.messageBox(chosen + texts::nameBreak + texts::makeKpoQuestion,
                      texts::saveQuestionCaption, question) != mb::idOk)
      return false;
    finalName = chosen.substr(0, chosen.size() - ext.size()) + ".kpo";
  }
  if (ports_.files.fileExists(finalName) &&
      ui.messageBox(finalName + texts::nameBreak + texts::overwriteQuestion, texts::overwriteCaption,
                    mb::yesNo | mb::iconWarning | mb::defButton1) != mb::idYes)
    return false;

  const bool plain = !isRichTextName(finalName);
  if (plain && encoding == TextEncoding::ShiftJis) {
    const auto accepted = encodingAfterLoss(finalName);
    if (!accepted) return false;
    encoding = *accepted;
  }

  // The kind and encoding change only now, so an abandoned Save As leaves the document's kind
  // alone; a .kpo keeps its encoding for a later plain-text save.
  document_.fnameSet(finalName);
  document_.kind = plain ? DocumentKind::PlainText : DocumentKind::RichText;
  if (plain) document_.encoding = encoding;
  writeFile(finalName);
  ports_.memo1.setModified(false);
  return true;
}

void DocumentCommands::writeFile(const std::string& name) {
  auto& memo1 = ports_.memo1;
  if (!document_.plainText()) {
    std::string rtf;
    try {
      rtf = memo1.rtf();
    } catch (const Error&) {
      throw Error(texts::streamWriteFailed);
    }
    ports_.files.writeAll(name, rtf);
    rememberFile(ports_.files.identity(name), rtf);
    return;
  }
  const TextEncoding encoding = document_.encoding;
  std::string bytes = document_.original.bytesFor(memo1.text(), encoding);
  ports_.files.writeAll(name, bytes);
  rememberFile(ports_.files.identity(name), bytes);
  document_.original.remember(std::move(bytes), encoding);
}

namespace {

bool hasLookAlike(const LostCharacter& c) { return cp932LookAlike(c.codePoint) != c.codePoint; }

std::string codeText(char32_t c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
  return buf;
}

// The characters without a look-alike, each code once, the first five.
std::string withoutLookAlikes(const std::vector<LostCharacter>& lost) {
  std::vector<char32_t> codes;
  bool more = false;
  for (const auto& c : lost) {
    if (hasLookAlike(c) || std::find(codes.begin(), codes.end(), c.codePoint) != codes.end()) continue;
    if (codes.size() == 5) {
      more = true;
      break;
    }
    codes.push_back(c.codePoint);
  }
  std::string text;
  for (const char32_t c : codes) text += (text.empty() ? "" : texts::lossCodeSeparator) + codeText(c);
  return more ? text + texts::lossNoLookAlikeMore : text;
}

}  // namespace

std::string lossReportText(const std::string& name, const std::vector<LostCharacter>& lost, bool someHaveLookAlikes) {
  std::string text = name + texts::nameBreak + texts::lossHead + "\r\n";
  char buf[256];
  const std::size_t shown = std::min<std::size_t>(lost.size(), 10);
  for (std::size_t i = 0; i < shown; ++i) {
    std::snprintf(buf, sizeof buf, texts::lossLine.c_str(), lost[i].line + 1, lost[i].column + 1,
                  static_cast<unsigned>(lost[i].codePoint));
    text += std::string("\r\n") + buf;
  }
  if (lost.size() > shown) {
    std::snprintf(buf, sizeof buf, texts::lossMore.c_str(), static_cast<int>(lost.size() - shown));
    text += std::string("\r\n") + buf;
  }
  if (someHaveLookAlikes) {
    std::snprintf(buf, sizeof buf, texts::lossNoLookAlike.c_str(), withoutLookAlikes(lost).c_str());
    text += std::string("\r\n\r\n") + buf;
  }
  return text + "\r\n\r\n" + texts::lossQuestion;
}

std::string lookAlikeQuestionText(const std::string& name, const std::vector<LookAlikeCount>& replacements) {
  std::string text = name + texts::nameBreak + texts::lookAlikeHead + "\r\n";
  char buf[128];
  for (const auto& r : replacements) {
    std::string from, to;
    utf::append(from, r.pair.from);
    utf::append(to, r.pair.to);
    std::snprintf(buf, sizeof buf, texts::lookAlikeLine.c_str(), from.c_str(), static_cast<unsigned>(r.pair.from),
                  to.c_str(), static_cast<unsigned>(r.pair.to), r.count);
    text += std::string("\r\n") + buf;
  }
  return text + "\r\n\r\n" + texts::lookAlikeQuestion;
}

std::optional<TextEncoding> DocumentCommands::encodingAfterLoss(const std::string& name) {
  auto& memo1 = ports_.memo1;
  const std::string text = memo1.text();
  const auto lost = lostCharacters(text);
  if (lost.empty()) return TextEncoding::ShiftJis;
  const auto withLookAlike = std::count_if(lost.begin(), lost.end(), hasLookAlike);
  // The look-alikes first, when they are all it takes: the text stays Shift_JIS and loses nothing
  // the eye can see. Any other character would still be lost, so then it is not offered.
  const bool allHaveLookAlikes = withLookAlike == static_cast<std::ptrdiff_t>(lost.size());
  if (allHaveLookAlikes) {
    const int answer = ports_.ui.messageBox(lookAlikeQuestionText(name, cp932LookAlikeCounts(text)),
                                            texts::lossCaption, mb::yesNoCancel | mb::iconWarning | mb::defButton1);
    if (answer == mb::idYes) {
      putLookAlikes(text);
      return TextEncoding::ShiftJis;
    }
    if (answer != mb::idNo) return std::nullopt;
  }
  switch (ports_.ui.messageBox(lossReportText(name, lost, withLookAlike > 0 && !allHaveLookAlikes), texts::lossCaption,
                               mb::yesNoCancel | mb::iconWarning | mb::defButton3)) {
    case mb::idYes: return TextEncoding::ShiftJis;
    case mb::idNo: return TextEncoding::Utf8;
    default: return std::nullopt;
  }
}

// In the document itself, as one undo step, so that what the file holds is what the user sees.
void DocumentCommands::putLookAlikes(const std::string& text) {
  auto& memo1 = ports_.memo1;
  const std::vector<TextEdit> edits = cp932LookAlikeEdits(text);
  // The selection stays on the same characters, though a replacement may be longer than its
  // character.
  const auto moved = [&](int offset) {
    int shift = 0;
    for (const auto& e : edits)
      if (e.start < offset) shift += static_cast<int>(e.text.size()) - e.length;
    return offset + shift;
  };
  const int start = moved(memo1.selStart());
  const int end = moved(memo1.selStart() + memo1.selLength());
  memo1.replaceRanges(edits);
  memo1.setSelStart(start);
  memo1.setSelLength(end - start);
}

bool DocumentCommands::ifHenkoSave() {
  auto& memo1 = ports_.memo1;
  if (!memo1.modified()) return true;
  ports_.front.bringToForeground();
  const std::string& name = document_.path().empty() ? texts::untitled : document_.path();
  const int answer = ports_.ui.messageBox(name + texts::nameBreak + texts::guardQuestion,
                                          texts::overwriteCaption,
                                          mb::yesNo | mb::iconWarning | mb::defButton1);
  if (answer == mb::idYes) return dlgSaveFile(document_.path());
  if (answer == mb::idNo) {
    memo1.setModified(false);
    return true;
  }
  return false;  // no answer at all: keep the work
}

void DocumentCommands::tbtnNewClick() {
  if (ifHenkoSave()) document_.fileSinki();
  ports_.memo1.setFocus();
}

void DocumentCommands::tbtnOpenClick() {
  if (ifHenkoSave()) dlgOpenFile();
  ports_.memo1.setFocus();
}

void DocumentCommands::tbtnSaveClick() {
  dlgSaveFile(document_.path());
  ports_.memo1.setFocus();
}

void DocumentCommands::tbtnUwagakiClick() {
  auto& memo1 = ports_.memo1;
  if (memo1.modified()) {
    if (document_.path().empty()) {
      dlgSaveFile("");
    } else {
      // Another program wrote the file since it was read: its text is not destroyed unasked.
      const std::string& name = document_.path();
      if (document_.watch.beforeOverwrite(ports_.files.identity(name), ports_.clock.tickMs(),
                                          [&] { return ports_.files.contentHash(name); }) ==
          WatchAction::askBeforeOverwrite) {
        const int answer = ports_.ui.messageBox(name + texts::nameBreak + texts::changedBeforeSaveQuestion,
                                                texts::overwriteCaption,
                                                mb::yesNoCancel | mb::iconWarning | mb::defButton3);
        const WatchAction next = document_.watch.answered(answer == mb::idYes);
        if (answer == mb::idNo) dlgSaveFile(name);
        if (next != WatchAction::write) {
          memo1.setFocus();
          return;
        }
      }
      if (document_.plainText() && document_.encoding == TextEncoding::ShiftJis) {
        const auto encoding = encodingAfterLoss(document_.path());
        if (!encoding) {
          memo1.setFocus();
          return;
        }
        document_.encoding = *encoding;
      }
      writeFile(document_.path());
      memo1.setModified(false);
      ports_.ui.messageBox(document_.path() + texts::nameBreak + texts::savedNotice,
                           texts::savedCaption, mb::ok | mb::iconInformation);
    }
  }
  memo1.setFocus();
}

// ---- Another program and the open file ----

void DocumentCommands::checkFile() {
  const std::string& name = document_.path();
  if (name.empty()) return;
  actOnFile(document_.watch.check(ports_.memo1.modified(), ports_.files.identity(name), ports_.clock.tickMs(),
                                  [&] { return ports_.files.contentHash(name); }));
}

void DocumentCommands::actOnFile(WatchAction action) {
  auto& memo1 = ports_.memo1;
  const std::string name = document_.path();
  switch (action) {
    case WatchAction::reloadAndTell:
    case WatchAction::reload: {
      // The caret keeps its line as far as the new text has lines.
      const int line = memo1.caret().line;
      if (!readAgain(name)) {
        if (ports_.notice) ports_.notice(filePart(name) + texts::readAgainFailedNotice);
        return;
      }
      memo1.setSelStart(memo1.lineStart(std::min(line, memo1.lineCount() - 1)));
      memo1.scrollCaret();
      if (action == WatchAction::reloadAndTell && ports_.notice) ports_.notice(filePart(name) + texts::readAgainNotice);
      return;
    }
    case WatchAction::askReloadOrKeep: {
      const int answer = ports_.ui.messageBox(name + texts::nameBreak + texts::changedOnDiskQuestion,
                                              texts::changedOnDiskCaption, mb::yesNo | mb::iconWarning | mb::defButton2);
      actOnFile(document_.watch.answered(answer == mb::idYes));
      return;
    }
    case WatchAction::tellGone:
      // Modified, so that the guard asks before it goes and recovery keeps it meanwhile.
      memo1.setModified(true);
      ports_.ui.messageBox(name + texts::nameBreak + texts::fileGoneNotice, texts::savedCaption,
                           mb::ok | mb::iconInformation);
      return;
    default:
      return;
  }
}

bool DocumentCommands::readAgain(const std::string& name) {
  try {
    ProgressScope progress(ports_.progress, true, filePart(name) + texts::openingSuffix);
    loadFile(name, isRichTextName(name), std::nullopt);
  } catch (const Error&) {
    return false;
  } catch (const BrokenRtf&) {
    return false;
  }
  ports_.memo1.setModified(false);
  return true;
}

// ---- Encodings ----

void DocumentCommands::popMojiKodoClick(TextEncoding encoding) {
  if (!document_.plainText()) return;
  if (document_.path().empty()) {
    document_.encoding = encoding;
    // Chosen for a new document, it is the choice for every new one (UTF-16 only for this one).
    if (isNewDocumentEncoding(encoding)) document_.newDocumentEncoding = encoding;
    return;
  }
  if (encoding == document_.encoding) return;
  // The text in the editor is about to be replaced by the file's, read another way.
  if (!ifHenkoSave()) return;
  openFile(document_.path(), encoding);
}

// ---- Recent files ----

void DocumentCommands::rirekKosin(const std::string& name) { recordRecentFile(state_.history, name); }

void DocumentCommands::PopupMenu2Popup() {
  for (int i = 0; i < historyCount; ++i) {
    menuCaptions_[i] = state_.history[i];
    ports_.historyMenu.setHistoryCaption(i, menuCaptions_[i]);
  }
}

void DocumentCommands::popRirekClick(int index) {
  if (index < 0 || index >= historyCount) return;
  const std::string name = menuCaptions_[index];
  if (name == emptySlot) return;
  // Opening from the history replaces the document just like Open does, so it asks first too.
  if (!ifHenkoSave()) return;
  fileYomikomi(name);
}

}  // namespace kakipo
