// The help viewer window (class "TFormVajHel"): the contents tree and keyword list on the left, the
// body and detail panes on the right, a splitter between them and a status bar, driven by VajHel.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "help/help_layout.h"
#include "help/help_windows.h"
#include "help/vajhel.h"
#include "win32/handles.h"
#include "win32/help_splitter.h"
#include "win32/rich_edit_pane.h"
#include "win32/window.h"

namespace kakipo::win32 {

// Where an error raised inside one of the viewer's handlers is shown; by default a message box.
using ErrorReport = std::function<void(const std::string&)>;

// Owns itself: made by show(), released once its window is gone.
class HelpViewerWindow : public Window<HelpViewerWindow>, public HelpViewerView, private Splitter::Events {
 public:
  static WindowClass windowClass() { return {L"TFormVajHel", 0, true}; }

  // Creates the viewer unless it exists, shows it and brings it to the front. Its errors go to
  // report from now on.
  static void show(ErrorReport report = {});
  // Closes and releases the viewer if it exists; the main window calls this when it closes.
  static void release();
  // The viewer while it exists, else null.
  static HelpViewerWindow* instance();

  HelpPage activePage() const override;
  void setActivePage(HelpPage page) override;
  void setStatusText(const std::string& text) override;

  HWND treeView() const { return treeView1_; }
  HWND listBox() const { return listBox1_; }
  HWND pageControl1() const { return pageControl1_; }
  HWND pageControl2() const { return pageControl2_; }
  HWND splitter() const { return splitter1_.hwnd(); }
  HWND statusBar() const { return statusBar1_; }
  RichEditPane& richEdit1() { return *richEdit1_; }
  RichEditPane& richEdit2() { return *richEdit2_; }
  VajHel& logic() { return *vajhel_; }
  int leftPaneWidth() const { return leftWidth_; }
  std::string statusText() const { return status_; }

 private:
  friend class Window<HelpViewerWindow>;
  HelpViewerWindow() = default;
  ~HelpViewerWindow() override = default;
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
  void finalMessage();
  static LRESULT CALLBACK childProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  LRESULT childMessage(HWND child, UINT msg, WPARAM wp, LPARAM lp);
  void createControls();
  // Font, pictures and row heights for the display at px_.
  void applyScale();
  void fillTree();
  void layout();
  void showLeftPage(int index);
  void showRightPage(HelpPage page);
  std::optional<std::string> selectedNode() const;
  std::optional<std::string> selectedKeyword() const;
  void splitterDragged(int left) override;
  void splitterReleased() override;
  template <class F>
  void dispatch(F&& handler) noexcept;

  // The controls are children of the viewer and go with it.
  HWND pageControl1_ = nullptr;
  HWND pageControl2_ = nullptr;
  HWND treeView1_ = nullptr;
  HWND listBox1_ = nullptr;
  HWND statusBar1_ = nullptr;
  Splitter splitter1_;
  Scale px_;  // the display the viewer is on
  UniqueFont font_;
  UniqueImageList imageList1_;
  std::unique_ptr<RichEditPane> richEdit1_;
  std::unique_ptr<RichEditPane> richEdit2_;
  std::unique_ptr<VajHel> vajhel_;
  ErrorReport report_;
  int leftWidth_ = helplayout::leftPaneWidth;  // in pixels of the display at px_
  std::string status_;
};

// The help windows as the main window's tbtnVajHelClick opens them. The viewer it opened closes
// when it goes, so the viewer never reports an error to a window that is gone.
class Win32HelpWindows : public HelpWindows {
 public:
  explicit Win32HelpWindows(HWND owner, ErrorReport report = {}) : owner_(owner), report_(std::move(report)) {}
  ~Win32HelpWindows() override;
  Win32HelpWindows(const Win32HelpWindows&) = delete;
  Win32HelpWindows& operator=(const Win32HelpWindows&) = delete;
  int showAboutBox() override;
  void showHelpViewer() override;
  void releaseHelpViewer() override { HelpViewerWindow::release(); }

 private:
  HWND owner_;  // not owned
  ErrorReport report_;
  bool opened_ = false;
};

}  // namespace kakipo::win32
