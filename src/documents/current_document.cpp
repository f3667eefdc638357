#include "documents/current_document.h"

#include "core/cp932.h"
#include "documents/document_texts.h"

namespace kakipo {

std::string filePart(const std::string& path) { return path.substr(pathParts(path).nameStart); }

std::string extensionOf(const std::string& path) { return path.substr(pathParts(path).extensionStart); }

bool isRichTextName(const std::string& path) { return upperAscii(extensionOf(path)) == ".KPO"; }

void CurrentDocument::fnameSet(const std::string& name) {
  state_.fileName = name;
  form_.setCaption(texts::titlePrefix + name);
  form_.setOverwriteSaveHint(texts::overwriteHintPrefix + filePart(name));
}

void CurrentDocument::fileSinki() {
  look_.wrapOnOff();
  original.forget();
  memo1_.clear();
  memo1_.setEncoding(TextEncoding::ShiftJis);
  look_.applyNextOpenFont();
  memo1_.setModified(false);
  fnameSet("");
}

}  // namespace kakipo
