// The main window itself as the logic drives it: caption, place and size, the system menu, the
// three bars, staying on top, file drops and starting another instance of the program.
#pragma once
#include <string>

#include "core/geometry.h"

namespace kakipo {

enum class Bar { ToolBar, PhraseBox, StatusBar };

// Where and how large the main window opens when nothing says otherwise, at 96 dots per inch.
inline constexpr Rect defaultFormBounds{0, 0, 280, 380};

class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& text) = 0;
  // The outer rectangle; for a minimized window, its rectangle when restored.
  virtual Rect bounds() const = 0;
  virtual void setBounds(const Rect& r) = 0;
  // An empty text appends a separator.
  virtual void appendSystemMenuItem(int id, const std::string& text) = 0;
  // An item appended before: its text, its check mark, and whether it can be chosen.
  virtual void setSystemMenuItem(int id, const std::string& text, bool checked, bool enabled) = 0;
  // Above every window that is not, even when another program's window is active.
  virtual void setTopmost(bool on) = 0;
  virtual bool barVisible(Bar bar) const = 0;
  virtual void setBarVisible(Bar bar, bool visible) = 0;
  virtual void acceptDroppedFiles() = 0;
  // The tooltip of the overwrite-save button, which names the current file.
  virtual void setOverwriteSaveHint(const std::string& text) = 0;
  // The word-wrap toggle button: down means wrap on.
  virtual bool wrapButtonDown() const = 0;
  // Starts this program again as a new process with no file; failures are not reported.
  virtual void startAnotherInstance() = 0;
  // The dots per inch of the display the window is on.
  virtual int dpi() const = 0;
};

}  // namespace kakipo
