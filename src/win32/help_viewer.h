// The help viewer window (class "TFormVajHel"): the contents tree and keyword list on the left, the
// body and detail panes on the right, a splitter between them and a status bar, driven by VajHel.
#pragma once
#include <windows.h>
// windows.h first: the control headers build on it.
#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "help/help_layout.h"
#include "help/help_windows.h"
#include "help/vajhel.h"

namespace kakipo {

// A read-only RICHEDIT50W in plain-text mode as a help pane. The text is set once; the pane keeps
// the byte offset of every character so that positions convert both ways without re-reading it.
class RichEditPane : public HelpPane {
 public:
  explicit RichEditPane(HWND hwnd) : hwnd_(hwnd) {}
  void setText(const std::string& cp932);

  std::string text() const override { return text_; }
  int textLength() const override { return static_cast<int>(text_.size()); }
  void setSelStart(int offset) override;
  int selLength() const override;
  void setSelLength(int length) override;
  std::string selText() const override;
  int find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const override;
  void lineScroll(int lines) override;
  void scrollCaret() override;

  // For tests and the shell.
  HWND hwnd() const { return hwnd_; }
  int selStart() const;
  void select(int start, int length);
  int firstVisibleLine() const;
  int lineFromOffset(int offset) const;
  int lineCount() const;

 private:
  CHARRANGE selection() const;
  int byteOf(LONG ch) const;
  LONG charOf(int byte) const;

  HWND hwnd_;
  std::string text_;
  std::vector<int> byteOfChar_;  // byte offset of each character position, and of the end
};

class HelpViewerWindow : public HelpViewerView {
 public:
  // Creates the viewer unless it exists, shows it and brings it to the front.
  static void show();
  // Closes and releases the viewer if it exists; the main window calls this when it closes.
  static void release();
  // The viewer while it exists, else null.
  static HelpViewerWindow* instance();
  // Where an error raised inside one of the viewer's handlers is reported; by default a message box.
  static void setErrorReport(std::function<void(const std::string&)> report);

  HelpPage activePage() const override;
  void setActivePage(HelpPage page) override;
  void setStatusText(const std::string& text) override;

  HWND hwnd() const { return hwnd_; }
  HWND treeView() const { return treeView1_; }
  HWND listBox() const { return listBox1_; }
  HWND pageControl1() const { return pageControl1_; }
  HWND pageControl2() const { return pageControl2_; }
  HWND splitter() const { return splitter1_; }
  HWND statusBar() const { return statusBar1_; }
  RichEditPane& richEdit1() { return *richEdit1_; }
  RichEditPane& richEdit2() { return *richEdit2_; }
  VajHel& logic() { return *vajhel_; }
  int leftPaneWidth() const { return leftWidth_; }
  std::string statusText() const { return status_; }

  HelpViewerWindow(const HelpViewerWindow&) = delete;
  HelpViewerWindow& operator=(const HelpViewerWindow&) = delete;

 private:
  HelpViewerWindow() = default;
  ~HelpViewerWindow();
  static void registerClasses();
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK splitterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK childProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT childMessage(HWND child, UINT msg, WPARAM wp, LPARAM lp);
  void create();
  void fillTree();
  void layout();
  void showLeftPage(int index);
  void showRightPage(HelpPage page);
  std::optional<std::string> selectedNode() const;
  std::optional<std::string> selectedKeyword() const;
  template <class F>
  void dispatch(F&& handler) noexcept;

  HWND hwnd_ = nullptr;
  HWND pageControl1_ = nullptr;
  HWND pageControl2_ = nullptr;
  HWND treeView1_ = nullptr;
  HWND listBox1_ = nullptr;
  HWND splitter1_ = nullptr;
  HWND statusBar1_ = nullptr;
  HFONT font_ = nullptr;
  HIMAGELIST imageList1_ = nullptr;
  std::unique_ptr<RichEditPane> richEdit1_;
  std::unique_ptr<RichEditPane> richEdit2_;
  std::unique_ptr<VajHel> vajhel_;
  int leftWidth_ = helplayout::leftPaneWidth;
  int dragOffset_ = 0;
  std::string status_;
};

// The help windows as the main window's tbtnVajHelClick opens them.
class Win32HelpWindows : public HelpWindows {
 public:
  explicit Win32HelpWindows(HWND owner) : owner_(owner) {}
  int showAboutBox() override;
  void showHelpViewer() override { HelpViewerWindow::show(); }
  void releaseHelpViewer() override { HelpViewerWindow::release(); }

 private:
  HWND owner_;
};

}  // namespace kakipo
