#include "documents/documents.h"

#include "app/cp932.h"

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

void Documents::fnameSet(const std::string& name) {
  state_.fileName = name;
  form_.setCaption(titlePrefix + name);
  form_.setOverwriteSaveHint("上書き保存 " + filePart(name));
}

void Documents::fileSinki() {
  appearance_.wrapOnOff();
  memo1_.clear();
  appearance_.applyNextOpenFont();
  memo1_.setModified(false);
  fnameSet("");
}

}  // namespace kakipo
