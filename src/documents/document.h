// The document of the window: what belongs to it besides the text the editor shows. Its path and
// the texts that show it, its kind, the encoding and bytes its plain text was read from, and its
// file's identity on disk. One per window; what a tab would hold.
#pragma once
#include <string>

#include "core/editor.h"
#include "core/form_window.h"
#include "core/new_document_look.h"
#include "core/text_encoding.h"
#include "documents/file_watch.h"
#include "documents/plain_text_original.h"

namespace kakipo {

// The file name of a path, and its extension from the dot on (empty when it has none); see
// pathParts for the separators.
std::string filePart(const std::string& path);
std::string extensionOf(const std::string& path);
// A name whose extension is .kpo in any letter case is a rich-text document.
bool isRichTextName(const std::string& path);

// A plain-text document is written as its text in its encoding; a rich-text one as RTF.
enum class DocumentKind { PlainText, RichText };

// The encodings a new document may start in: Shift_JIS, and UTF-8 with or without its mark. A
// UTF-16 file is one a program asked for, not a memo's.
constexpr bool isNewDocumentEncoding(TextEncoding e) { return e == TextEncoding::ShiftJis || isUtf8(e); }

class Document;
// The status bar's encoding panel: the plain-text document's encoding, or "RTF".
std::string encodingText(const Document& document);

class Document {
 public:
  Document(Editor& memo1, FormWindow& form, NewDocumentLook& look) : memo1_(memo1), form_(form), look_(look) {}

  // The path as opened or saved; empty for an untitled document.
  const std::string& path() const { return path_; }
  // "Set the file name": the current name, the window caption and the overwrite-save hint.
  void fnameSet(const std::string& name);
  // "New file": an empty, unmodified, untitled document with the look of a new one.
  void fileSinki();

  bool plainText() const { return kind == DocumentKind::PlainText; }

  DocumentKind kind = DocumentKind::PlainText;
  // The plain text's encoding; a rich-text document keeps one for when it is saved as plain text.
  TextEncoding encoding = TextEncoding::ShiftJis;
  // The encoding every new document starts in (a setting, isNewDocumentEncoding).
  TextEncoding newDocumentEncoding = TextEncoding::ShiftJis;
  // Dropped by every new document and every load, refreshed by every plain-text load and save.
  PlainTextOriginal original;
  // The file as last read or written, and whether another program has changed it since.
  FileWatch watch;

 private:
  Editor& memo1_;
  FormWindow& form_;
  NewDocumentLook& look_;
  std::string path_;
};

}  // namespace kakipo
