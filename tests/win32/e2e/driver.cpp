#include "win32/e2e/driver.h"

#include <commctrl.h>
#include <richedit.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "win32/probe/control_ids.h"

namespace e2e {

namespace {

using kakipo::probe::childWindows;
using kakipo::probe::topLevelWindows;
using kakipo::probe::windowProcess;
namespace ids = kakipo::probe::ids;

// The text shown by a dialog: its longest static text that is not a picture.
std::wstring dialogText(HWND dialog) {
  std::wstring best;
  for (HWND c : childWindows(dialog)) {
    if (GetParent(c) != dialog || className(c) != L"Static") continue;
    const LONG style = GetWindowLongW(c, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON || (style & SS_TYPEMASK) == SS_BITMAP) continue;
    const std::wstring t = windowText(c);
    if (t.size() > best.size()) best = t;
  }
  return best;
}

HWND findEditIn(HWND h) {
  if (className(h) == L"Edit") return h;
  for (HWND c : childWindows(h))
    if (className(c) == L"Edit") return c;
  return nullptr;
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, Clock::duration timeout) {
  const auto end = Clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (Clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
}

std::string readFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write a scenario file");
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string cp932(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring fromCp932(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::wstring driverFolder() {
  wchar_t path[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring p(path, n);
  return p.substr(0, p.find_last_of(L"\\/"));
}

// ---- Kakipo

Kakipo::Kakipo(const std::wstring& folderName)
    : ownFolder_(std::make_unique<kakipo::probe::TempFolder>(folderName)), folder_(ownFolder_->path()) {
  if (!CopyFileW((driverFolder() + L"\\kakipo.exe").c_str(), path(L"kakipo.exe").c_str(), FALSE))
    throw std::runtime_error("kakipo.exe is not beside the driver");
}

Kakipo::Kakipo(const std::wstring& folder, DWORD pid) : folder_(folder), pid_(pid) {
  process_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, pid);
  waitUntil([&] { return (window_ = findMainWindow()) != nullptr; });
}

Kakipo::~Kakipo() {
  kill();
  if (process_) CloseHandle(process_);
}

void Kakipo::start(const std::wstring& arguments) {
  const std::wstring exe = path(L"kakipo.exe");
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &si,
                      &pi))
    throw std::runtime_error("cannot start kakipo.exe");
  CloseHandle(pi.hThread);
  if (process_) CloseHandle(process_);
  process_ = pi.hProcess;
  pid_ = pi.dwProcessId;
  window_ = nullptr;
  if (!waitUntil([&] { return (window_ = findMainWindow()) != nullptr || !running(); }) || !window_)
    throw std::runtime_error("the main window did not show");
}

bool Kakipo::running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool Kakipo::waitForExit(Clock::duration timeout) {
  if (!process_) return true;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(timeout).count();
  return WaitForSingleObject(process_, static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
}

void Kakipo::kill() {
  if (running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
  }
}

HWND Kakipo::findMainWindow() const {
  for (HWND w : topLevelWindows())
    if (windowProcess(w) == pid_ && className(w) == L"TForm1" && IsWindowVisible(w)) return w;
  return nullptr;
}

std::vector<HWND> allMainWindows() {
  std::vector<HWND> found;
  for (HWND w : topLevelWindows())
    if (className(w) == L"TForm1" && IsWindowVisible(w)) found.push_back(w);
  return found;
}

HWND Kakipo::editor() const { return GetDlgItem(window_, ids::memo1); }
HWND Kakipo::toolBar() const { return GetDlgItem(GetDlgItem(window_, ids::coolBar), ids::toolBar); }
HWND Kakipo::phraseBox() const { return GetDlgItem(GetDlgItem(window_, ids::coolBar), ids::comboBox); }
HWND Kakipo::phraseEdit() const { return FindWindowExW(phraseBox(), nullptr, L"Edit", nullptr); }
HWND Kakipo::statusBar() const { return GetDlgItem(window_, ids::statusBar); }

void Kakipo::settle() const {
  // Messages posted to one thread are handled in order: a marker posted last and seen handled
  // means everything before it has been handled. The marker is the text colour of the cool bar,
  // whose bands show no text, so nothing else looks at it.
  static COLORREF marker = 20000000;
  const COLORREF mine = ++marker;
  HWND holder = GetDlgItem(window_, ids::coolBar);
  PostMessageW(holder, RB_SETTEXTCOLOR, 0, mine);
  waitUntil([&] { return static_cast<COLORREF>(SendMessageW(holder, RB_GETTEXTCOLOR, 0, 0)) == mine || !running(); });
}

void Kakipo::clickButton(int index) const {
  const int id = ids::firstButton + index;
  PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(toolBar()));
}

void Kakipo::rightClickButton(int index) const {
  const auto size = SendMessageW(toolBar(), TB_GETBUTTONSIZE, 0, 0);
  const int w = LOWORD(size), h = HIWORD(size);
  const LPARAM at = MAKELPARAM(index * w + w / 2, h / 2);
  PostMessageW(toolBar(), WM_MOUSEMOVE, 0, at);
  PostMessageW(toolBar(), WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageW(toolBar(), WM_RBUTTONUP, 0, at);
}

void Kakipo::chooseMenu(int id) const { PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void Kakipo::choosePopupItem(int index) const {
  HWND menu = nullptr;
  if (!waitUntil([&] {
        for (HWND w : topLevelWindows())
          if (windowProcess(w) == pid_ && className(w) == L"#32768" && IsWindowVisible(w)) menu = w;
        return menu != nullptr;
      }))
    throw std::runtime_error("the popup menu did not open");
  for (int i = 0; i <= index; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
  waitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); });
}

void Kakipo::type(const std::wstring& text) const {
  for (wchar_t c : text) {
    if (c == L'\r') {
      // The rich-edit control breaks the line on the key itself, as the keyboard delivers it.
      PostMessageW(editor(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageW(editor(), WM_CHAR, L'\r', 0x001C0001);
      PostMessageW(editor(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    } else {
      PostMessageW(editor(), WM_CHAR, c, 1);
    }
  }
  settle();
}

void Kakipo::select(int start, int end) const { SendMessageW(editor(), EM_SETSEL, start, end); }

std::wstring Kakipo::editorText() const {
  // The control may end its paragraphs with CR alone; a user's file has CR LF.
  const std::wstring raw = windowText(editor());
  std::wstring text;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    text += raw[i];
    if (raw[i] == L'\r' && (i + 1 == raw.size() || raw[i + 1] != L'\n')) text += L'\n';
  }
  return text;
}

std::pair<int, int> Kakipo::selection() const {
  // EM_EXGETSEL needs memory in the other process; EM_GETSEL with no pointers packs both ends.
  const auto r = SendMessageW(editor(), EM_GETSEL, 0, 0);
  return {LOWORD(r), HIWORD(r)};
}

bool Kakipo::modified() const { return SendMessageW(editor(), EM_GETMODIFY, 0, 0) != 0; }

void Kakipo::close() const { PostMessageW(window_, WM_CLOSE, 0, 0); }

void Kakipo::switchAwayAndBack() const {
  HWND other = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 600, 600, 80,
                               40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(other);
  waitUntil([&] { return GetForegroundWindow() == other; }, 5s);
  settle();
  SetForegroundWindow(window_);
  waitUntil([&] { return GetForegroundWindow() == window_; }, 5s);
  DestroyWindow(other);
  settle();
}

std::vector<HWND> Kakipo::dialogs() const {
  std::vector<HWND> found;
  for (HWND w : topLevelWindows())
    if (windowProcess(w) == pid_ && className(w) == L"#32770" && IsWindowVisible(w)) found.push_back(w);
  return found;
}

bool Kakipo::noDialog() const { return dialogs().empty(); }

MessageBoxSeen Kakipo::waitMessageBox(Clock::duration timeout) const {
  MessageBoxSeen seen;
  waitUntil(
      [&] {
        for (HWND d : dialogs()) {
          const std::wstring caption = windowText(d);
          if (caption.rfind(L"カキポ", 0) != 0) continue;
          seen.hwnd = d;
          seen.caption = caption;
          return true;
        }
        return false;
      },
      timeout);
  if (!seen) return seen;
  // The box fills in its controls while it is being created.
  waitUntil([&] { return !dialogText(seen.hwnd).empty(); }, 5s);
  seen.text = dialogText(seen.hwnd);
  for (HWND c : childWindows(seen.hwnd)) {
    if (className(c) != L"Button" || !IsWindowVisible(c)) continue;
    seen.buttons.push_back(GetDlgCtrlID(c));
    if ((GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = GetDlgCtrlID(c);
  }
  std::sort(seen.buttons.begin(), seen.buttons.end());
  return seen;
}

void Kakipo::push(HWND dialog, int id) const {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Kakipo::press(HWND dialog, int id) const {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

HWND Kakipo::waitDialogWith(int controlId, Clock::duration timeout) const {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND d : dialogs())
          if (GetDlgItem(d, controlId)) found = d;
        return found != nullptr;
      },
      timeout);
  return found;
}

namespace {
constexpr int fileNameBox = 1148;  // cmb13: the file name, an edit inside a ComboBoxEx32
constexpr int fileTypeBox = 1136;  // cmb1: the file type
}  // namespace

void Kakipo::answerFileDialog(const std::wstring& name, int filterIndex) const {
  HWND d = waitDialogWith(fileNameBox);
  if (!d) throw std::runtime_error("the file dialog did not show");
  if (filterIndex > 0) {
    HWND types = GetDlgItem(d, fileTypeBox);
    SendMessageW(types, CB_SETCURSEL, filterIndex - 1, 0);
    SendMessageW(d, WM_COMMAND, MAKEWPARAM(fileTypeBox, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
  }
  HWND edit = findEditIn(GetDlgItem(d, fileNameBox));
  if (!edit) throw std::runtime_error("the file dialog has no name box");
  // A bare name is typed as the full path into the scenario's folder, as a user who first went
  // there would: the dialog itself opens wherever the prefix last saved something.
  const bool relative = name.find(L':') == std::wstring::npos && name.rfind(L"\\", 0) != 0;
  const std::wstring typed = relative ? folder_ + L"\\" + name : name;
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  press(d, IDOK);
}

void Kakipo::cancelFileDialog() const {
  HWND d = waitDialogWith(fileNameBox);
  if (!d) throw std::runtime_error("the file dialog did not show");
  press(d, IDCANCEL);
}

void Kakipo::dropFiles(const std::vector<std::wstring>& paths) const {
  // The shell drops files only onto a window that has said it takes them.
  if (!(GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES))
    throw std::runtime_error("the window does not accept dropped files");
  std::wstring list;
  for (const auto& p : paths) list += p + L'\0';
  list += L'\0';
  std::string block(sizeof(DROPFILES) + list.size() * sizeof(wchar_t), '\0');
  auto* drop = reinterpret_cast<DROPFILES*>(block.data());
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(block.data() + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  // The shell hands the drop over as memory of the receiving process; a fixed global memory
  // handle is its address, so the block is written straight into the program's address space.
  void* remote = VirtualAllocEx(process_, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote || !WriteProcessMemory(process_, remote, block.data(), block.size(), nullptr))
    throw std::runtime_error("cannot hand the drop over");
  if (!PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0))
    throw std::runtime_error("the drop was refused");
}

// ---- screen

bool saveScreenshot(const std::wstring& path) {
  HDC screen = GetDC(nullptr);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  BITMAPINFOHEADER bi{sizeof bi};
  bi.biWidth = w;
  bi.biHeight = h;
  bi.biPlanes = 1;
  bi.biBitCount = 24;
  bi.biCompression = BI_RGB;
  const DWORD stride = ((w * 3 + 3) / 4) * 4;
  bi.biSizeImage = stride * h;
  std::string pixels(bi.biSizeImage, '\0');
  GetDIBits(mem, bmp, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&bi), DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER bf{};
  bf.bfType = 0x4D42;
  bf.bfOffBits = sizeof bf + sizeof bi;
  bf.bfSize = bf.bfOffBits + bi.biSizeImage;
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&bf), sizeof bf);
  out.write(reinterpret_cast<const char*>(&bi), sizeof bi);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace e2e
