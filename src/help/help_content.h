// The fixed content of the help viewer: the body and detail texts (CR LF, taken from the UTF-8
// files beside this header at build time), the contents tree and the keyword list.
#pragma once
#include <span>
#include <string>

namespace kakipo::help {

const std::string& bodyText();
const std::string& detailText();

// One node of TreeView1, in display order; level 0 is a root node, and a node belongs to the
// nearest node before it with a smaller level.
struct TreeEntry {
  const char* text;
  int level;
  int image;
  int selectedImage;
};

std::span<const TreeEntry> contentsTree();
// ListBox1's items: the detail pane heads a reader is most likely to look up.
std::span<const char* const> keywords();

}  // namespace kakipo::help
