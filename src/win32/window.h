// One binding of a C++ object to each window of ours: the class T is registered once, the object
// is bound to its handle at WM_NCCREATE, gets every message in T::handle and is unbound at
// WM_NCDESTROY.
#pragma once
#include <windows.h>

#include <string>

#include "win32/ui_resources.h"

namespace kakipo::win32 {

// What a window class of ours is registered with. cursor: a system cursor id (IDC_...).
struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  bool programIcon = false;
  const wchar_t* cursor = IDC_ARROW;
  int background = COLOR_BTNFACE;
};

// A child window's id, passed where CreateWindowExW takes a menu.
inline HMENU childId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

// A window's whole text, however long.
inline std::wstring windowText(HWND h) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
  return text;
}

// T provides `static WindowClass windowClass()` and `LRESULT handle(UINT, WPARAM, LPARAM)`; a window
// that owns its object (the about box, the help viewer) also provides `void finalMessage()`, which
// runs once the window is gone and may delete the object. Window<T> must be a friend of T when
// these are private.
template <class T>
class Window {
 public:
  // The bound window, null before it is created and after it is gone. Not an owner: see destroy().
  HWND hwnd() const { return hwnd_; }

 protected:
  Window() = default;
  // A window still up when its object goes is destroyed unbound, as destroy() does.
  ~Window() { destroy(); }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Registers the class on first use and creates the window bound to this object; null on failure
  // (GetLastError says why unless WM_CREATE refused).
  HWND create(DWORD exStyle, const wchar_t* title, DWORD style, int x, int y, int width, int height, HWND parent,
              HMENU menuOrId = nullptr) {
    if (!registered()) return nullptr;
    return CreateWindowExW(exStyle, T::windowClass().name, title, style, x, y, width, height, parent, menuOrId,
                           GetModuleHandleW(nullptr), this);
  }

  // Destroys the window now without passing the messages of its end to the object: an object
  // that owns its window calls this before its own parts go, since the window's children may
  // still refer to them.
  void destroy() noexcept {
    if (const HWND h = hwnd_) {
      SetWindowLongPtrW(h, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      DestroyWindow(h);
    }
  }

  LRESULT defaultHandling(UINT msg, WPARAM w, LPARAM l) const { return DefWindowProcW(hwnd_, msg, w, l); }

  // The default for objects that do not own themselves: nothing to do after WM_NCDESTROY.
  void finalMessage() {}

 private:
  static bool registered() {
    static const bool done = [] {
      const WindowClass c = T::windowClass();
      WNDCLASSEXW wc{sizeof wc};
      wc.style = c.style;
      wc.lpfnWndProc = &Window::procedure;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, c.cursor);
      // The API takes a system colour index plus one in place of a brush.
      wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(c.background + 1));
      if (c.programIcon) {
        wc.hIcon = programIcon(GetSystemMetrics(SM_CXICON));
        wc.hIconSm = programIcon(GetSystemMetrics(SM_CXSMICON));
      }
      wc.lpszClassName = c.name;
      return RegisterClassExW(&wc) != 0;
    }();
    return done;
  }

  static LRESULT CALLBACK procedure(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) {
      // The object passed to CreateWindowExW, as CREATESTRUCT carries it.
      auto* created = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
      created->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, w, l);
    T& object = static_cast<T&>(*self);
    if (msg != WM_NCDESTROY) return object.handle(msg, w, l);
    const LRESULT result = object.handle(msg, w, l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    object.finalMessage();
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace kakipo::win32
