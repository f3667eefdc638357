// The current document: its file name and the texts that show it, new documents, and the bytes
// its plain text was read from.
#pragma once
#include <string>

#include "core/editor.h"
#include "core/form_window.h"
#include "core/new_document_look.h"
#include "core/window_state.h"
#include "documents/plain_text_original.h"

namespace kakipo {

// The file name of a path, and its extension from the dot on (empty when it has none); see
// pathParts for the separators.
std::string filePart(const std::string& path);
std::string extensionOf(const std::string& path);
// A name whose extension is .kpo in any letter case is a rich-text document.
bool isRichTextName(const std::string& path);

class CurrentDocument {
 public:
  CurrentDocument(WindowState& state, Editor& memo1, FormWindow& form, NewDocumentLook& look)
      : state_(state), memo1_(memo1), form_(form), look_(look) {}

  // "Set the file name": the current name, the window caption and the overwrite-save hint.
  void fnameSet(const std::string& name);
  // "New file": an empty, unmodified, untitled document with the look of a new one.
  void fileSinki();

  // Dropped by every new document and every load, refreshed by every plain-text load and save.
  PlainTextOriginal original;

 private:
  WindowState& state_;
  Editor& memo1_;
  FormWindow& form_;
  NewDocumentLook& look_;
};

}  // namespace kakipo
