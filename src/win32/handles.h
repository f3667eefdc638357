// Owners for the system's handles: each handle the shell creates has exactly one owner, which
// frees it however the scope or the object that holds it ends.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace kakipo::win32 {

// Move-only owner of one handle H, freed by Free. An empty owner holds the null handle.
template <class H, auto Free>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H handle) noexcept : h_(handle) {}
  Unique(Unique&& other) noexcept : h_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    reset(other.release());
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { reset(); }

  H get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != H{}; }
  // Gives the handle up without freeing it (its window is gone already, or another owner takes it).
  H release() noexcept { return std::exchange(h_, H{}); }
  // The handle is given up before it is freed, so whatever runs while it is freed sees it gone.
  void reset(H handle = H{}) noexcept {
    if (H old = std::exchange(h_, handle)) Free(old);
  }

 private:
  H h_{};
};

using UniqueWindow = Unique<HWND, &DestroyWindow>;
using UniqueFont = Unique<HFONT, &DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, &DeleteObject>;
using UniqueBrush = Unique<HBRUSH, &DeleteObject>;
using UniquePen = Unique<HPEN, &DeleteObject>;
using UniqueMenu = Unique<HMENU, &DestroyMenu>;
using UniqueImageList = Unique<HIMAGELIST, &ImageList_Destroy>;
using UniqueIcon = Unique<HICON, &DestroyIcon>;
using UniqueHandle = Unique<HANDLE, &CloseHandle>;  // kernel objects: mutexes, processes, threads

// The screen's device context for a scope.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context compatible with another, for drawing into bitmaps.
using MemoryDc = Unique<HDC, &DeleteDC>;
inline MemoryDc memoryDcFor(HDC like) { return MemoryDc(CreateCompatibleDC(like)); }

// An object selected into a device context for a scope; the one it replaced comes back after.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace kakipo::win32
