#include "documents/document.h"

#include "core/cp932.h"
#include "core/encoding_texts.h"
#include "core/file_path.h"
#include "documents/document_texts.h"

namespace kakipo {

std::string filePart(const std::string& path) { return path.substr(pathParts(path).nameStart); }

std::string extensionOf(const std::string& path) { return path.substr(pathParts(path).extensionStart); }

bool isRichTextName(const std::string& path) { return upperAscii(extensionOf(path)) == ".KPO"; }

std::string encodingText(const Document& document) {
  return document.plainText() ? encodingName(document.encoding) : texts::richTextPanel;
}

void Document::fnameSet(const std::string& name) {
  path_ = name;
  form_.setCaption(texts::titlePrefix + name);
  form_.setOverwriteSaveHint(texts::overwriteHintPrefix + filePart(name));
}

void Document::fileSinki() {
  look_.wrapOnOff();
  original.forget();
  watch.forget();
  memo1_.clear();
  // The kind stays as it was: a Save As names it by the extension.
  encoding = newDocumentEncoding;
  look_.applyNextOpenFont();
  memo1_.setModified(false);
  fnameSet("");
}

}  // namespace kakipo
