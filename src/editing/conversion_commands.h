// The 変換 ("henkan") submenu of the editor's context menu: the selection taken to full width, to
// half width, to hiragana or to katakana, as one undo step, each character keeping its format.
#pragma once
#include "core/editor.h"
#include "core/progress.h"
#include "core/ui.h"
#include "editing/conversion.h"

namespace kakipo {

class ConversionCommands {
 public:
  ConversionCommands(Editor& memo1, MessageBoxes& ui, ProgressDialog& progress)
      : memo1_(memo1), ui_(ui), progress_(progress) {}

  // Converts the selection and leaves the converted text selected, so that another conversion
  // can follow; with nothing selected it says so.
  void henkan(Conversion conversion);
  void popZenkakuClick() { henkan(Conversion::FullWidth); }
  void popHankakuClick() { henkan(Conversion::HalfWidth); }
  void popHiraganaClick() { henkan(Conversion::Hiragana); }
  void popKatakanaClick() { henkan(Conversion::Katakana); }

 private:
  Editor& memo1_;
  MessageBoxes& ui_;
  ProgressDialog& progress_;
};

}  // namespace kakipo
