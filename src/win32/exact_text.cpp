#include "win32/exact_text.h"

#include "core/editor_texts.h"
#include "core/errors.h"
#include "win32/controls/rich_edit.h"
#include "win32/rich_edit_stream.h"

namespace kakipo::win32 {

std::string RichExactText::utf8() const {
  const auto text = memo1_.wideText();  // read already when the text has not changed since
  const int size = static_cast<int>(text->size());
  std::string bytes;
  if (size > 0) {
    const int need = WideCharToMultiByte(CP_UTF8, 0, text->data(), size, nullptr, 0, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(need));
    WideCharToMultiByte(CP_UTF8, 0, text->data(), size, bytes.data(), need, nullptr, nullptr);
  }
  // The control ends a paragraph with a lone CR; the document's lines end with CR LF.
  const auto lone = [&](std::size_t i) { return bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'); };
  std::size_t extra = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) extra += lone(i);
  if (extra == 0) return bytes;
  std::string out;
  out.reserve(bytes.size() + extra);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out += bytes[i];
    if (lone(i)) out += '\n';
  }
  return out;
}

void RichExactText::loadUtf8(const std::string& text) {
  std::wstring w;
  if (!text.empty()) {
    const int size = static_cast<int>(text.size());
    w.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, w.data(), static_cast<int>(w.size()));
  }
  memo1_.setPlainText(true);
  memo1_.clear();
  const HWND control = memo1_.hwnd();
  const std::size_t bytes = w.size() * sizeof(wchar_t);
  if (!w.empty() && streamInto(control, w.data(), bytes, SF_TEXT | SF_UNICODE) != StreamResult::Read) {
    memo1_.clear();
    throw Error(texts::editorReadFailed);
  }
  // The control keeps CR LF as one position and cuts silently at its limit: a text it did not take
  // whole must not pass for the document.
  std::size_t units = w.size();
  for (std::size_t i = 0; i + 1 < w.size(); ++i) units -= w[i] == L'\r' && w[i + 1] == L'\n';
  if (static_cast<std::size_t>(re::lengthInUnits(control)) != units) {
    memo1_.clear();
    throw DocumentTooLarge(texts::editorTooLarge);
  }
  re::setModified(control, false);
  re::emptyUndo(control);
}

}  // namespace kakipo::win32
