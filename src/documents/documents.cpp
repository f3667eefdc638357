#include "documents/documents.h"

#include "core/cp932.h"
#include "documents/document_texts.h"

namespace kakipo {

std::string filePart(const std::string& path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (isLeadByte(c) && i + 1 < path.size()) {
      ++i;  // skip the trail byte
      continue;
    }
    if (c == '\\' || c == ':') start = i + 1;
  }
  return path.substr(start);
}

std::string extensionOf(const std::string& path) {
  const std::string file = filePart(path);
  // "." never occurs as a trail byte, so a plain search is safe here.
  const auto dot = file.rfind('.');
  return dot == std::string::npos ? std::string() : file.substr(dot);
}

std::string upperAscii(std::string s) {
  for (auto& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool isRichTextName(const std::string& path) { return upperAscii(extensionOf(path)) == ".KPO"; }

void Documents::fnameSet(const std::string& name) {
  state_.fileName = name;
  form_.setCaption(titlePrefix + name);
  form_.setOverwriteSaveHint(texts::overwriteHintPrefix + filePart(name));
}

void Documents::fileSinki() {
  appearance_.wrapOnOff();
  original.forget();
  memo1_.clear();
  appearance_.applyNextOpenFont();
  memo1_.setModified(false);
  fnameSet("");
}

}  // namespace kakipo
