// The Open, Save, Font and Colour common dialogs behind the ports the documents and the font
// buttons use.
#pragma once
#include <windows.h>

#include <array>

#include "documents/document_ports.h"
#include "editing/font_colour_dialogs.h"

namespace kakipo::win32 {

// "caption|pattern|..." as the dialogs want it: pieces ending in NUL, the whole in two.
std::wstring dialogFilter(const std::string& filter);

class Win32FileDialogs : public FileDialogs {
 public:
  explicit Win32FileDialogs(HWND owner) : owner_(owner) {}
  bool runOpenDialog(std::string& name, int& filterIndex) override;
  bool runSaveDialog(std::string& name, int& filterIndex, TextEncoding& encoding) override;

 private:
  bool run(bool save, std::string& name, int& filterIndex, TextEncoding* encoding);
  HWND owner_;
};

class Win32FontColourDialogs : public FontColourDialogs {
 public:
  explicit Win32FontColourDialogs(HWND owner) : owner_(owner) { custom_.fill(RGB(255, 255, 255)); }
  bool chooseFont(Font& font) override;
  bool chooseColour(Colour& colour) override;

 private:
  HWND owner_;
  std::array<COLORREF, 16> custom_;  // the user's custom colours, kept for the run
};

LOGFONTW toLogFont(const Font& font);
Font fromLogFont(const LOGFONTW& lf, COLORREF colour, int pixelsPerInch);

}  // namespace kakipo::win32
