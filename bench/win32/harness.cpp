// Timing harness under Wine. Each invocation measures one scenario in a fresh process and prints
// "name value" lines (seconds, or bytes for memory) for scripts/bench. The process ends without
// tearing its windows down: destroying a control that holds megabytes costs seconds and is no part
// of any measurement.
//
//   kakipo_bench gen DIR                    writes the documents into DIR
//   kakipo_bench startup PROGRAM            process start to its main window shown and idle
//   kakipo_bench ours-text FILE WORK        open, caret tick, find, save, typing, memory (main window)
//   kakipo_bench ours-rich FILE WORK        open, save, memory (main window)
//   kakipo_bench ours-find FILE WORK        open and find only (main window; the UTF-8 document)
//   kakipo_bench bare FILE WORK text|rich   the same with a bare control
//   kakipo_bench small FILE WORK            caret tick and typing on a small document
//   kakipo_bench paste FILE                 the large paste of FILE's text
//   kakipo_bench convert FILE               FILE's text pasted, then all of it converted 全角へ
//   kakipo_bench quotes FILE WORK ours|raw  quote markers on 10 and on 10,000 lines
//   kakipo_bench replace FILE WORK          Replace All of 10,000 and of 100,000 occurrences
//   kakipo_bench recovery FILE WORK         typing into a modified document, recovery on and off
//   kakipo_bench open FILE WORK ours|bare   the open of a UTF-8 file alone (the long line and 5 MB)
//   kakipo_bench cancel FILE WORK SECONDS   the open's cancel button pressed SECONDS into the read
//   kakipo_bench counts FILE WORK           counting the whole document; typing, count window open and closed
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/corpus.h"
#include "bench/win32/documents.h"
#include "win32/encoding.h"
#include "win32/main_window.h"
#include "win32/probe/box_answerer.h"
#include "win32/probe/clipboard_text.h"
#include "win32/probe/window_query.h"

namespace kakipo::bench {
namespace {

using probe::pump;
using win32::MainWindow;
using win32::narrow;
using win32::widen;

// The clock the message-box answerer stamps its boxes with.
double now() { return probe::secondsNow(); }

void report(const char* name, double value) {
  std::printf("%s %.6f\n", name, value);
  std::fflush(stdout);
}

// ---- Message boxes answered as a user would, the moment they appear.

probe::MessageBoxAnswerer& boxes() {
  static probe::MessageBoxAnswerer answerer;
  return answerer;
}

void reportUnexpectedBoxes() {
  for (const auto& box : boxes().shown())
    if (!box.expected) std::fprintf(stderr, "kakipo_bench: unexpected box: %s\n", narrow(box.text).c_str());
}

[[noreturn]] void fail(const std::string& why) {
  reportUnexpectedBoxes();
  std::fprintf(stderr, "kakipo_bench: %s\n", why.c_str());
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 2);
  std::abort();
}

[[noreturn]] void finish() {
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), 0);
  std::abort();
}

void answerBoxes(std::vector<int> answers) {
  reportUnexpectedBoxes();
  boxes().answer(std::move(answers));
}

double boxShown(std::size_t index) {
  if (index >= boxes().shown().size()) fail("an expected message box did not appear");
  return boxes().shown()[index].at;
}

// Everything on screen painted and every posted message handled.
void settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump();
}

// The peak working set as Wine reports it (it is the kernel's peak resident set of the process).
// As a cross-check the driver, which knows the process's Linux id, reads that figure ("VmHWM")
// itself while the harness waits: a file read through Z:\\proc\\self would be the wineserver's.
void reportPeakMemory() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  if (GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc))
    report("memory", static_cast<double>(pmc.PeakWorkingSetSize));
  std::printf("memory_probe\n");
  std::fflush(stdout);
  char answer[64];
  if (!std::fgets(answer, sizeof answer, stdin)) fail("no driver answered the memory probe");
}

// ---- Files

std::wstring windowsPath(const char* arg) { return widen(arg); }

std::wstring widenUtf8(const std::string& bytes) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string readFile(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) fail("cannot read " + narrow(path));
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A private copy to open and save over, so the input stays as generated.
std::wstring workCopy(const std::wstring& file, const std::wstring& work) {
  const std::wstring ext = file.substr(file.find_last_of(L'.'));
  const std::wstring copy = work + L"\\work" + std::to_wstring(GetCurrentProcessId()) + ext;
  if (!CopyFileW(file.c_str(), copy.c_str(), FALSE)) fail("cannot copy " + narrow(file));
  return copy;
}

// ---- The main window

struct Form {
  MainWindow window{false};
  Form() {
    window.show("kakipo.exe", SW_SHOWNORMAL);
    settle(window.hwnd());
  }
  HWND memo() { return window.memo1().hwnd(); }
  int controlLength() {
    GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<int>(SendMessageW(memo(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
  }
  void caretTo(int cp) {
    CHARRANGE cr{cp, cp};
    SendMessageW(memo(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    SendMessageW(memo(), EM_SCROLLCARET, 0, 0);
    settle(window.hwnd());
  }
  // The document opened through the Open command's procedure, large-file question answered OK;
  // the time runs from the answer to the document painted.
  double open(const std::wstring& path, bool large) {
    answerBoxes(large ? std::vector<int>{IDOK} : std::vector<int>{});
    const double start = now();
    window.logic().commands.fileYomikomi(narrow(path));
    settle(window.hwnd());
    const double end = now();
    if (controlLength() == 0) fail("the document did not open");
    return end - (large ? boxShown(0) : start);
  }
  HWND searchDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM l) {
          if (IsWindowVisible(h) && GetDlgItem(h, edt1)) {
            *reinterpret_cast<HWND*>(l) = h;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found) fail("the search dialog did not open");
    return found;
  }
};

void press(HWND dialog, int id) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

double median(std::vector<double> xs) {
  std::sort(xs.begin(), xs.end());
  return xs[xs.size() / 2];
}

// One tick is a few milliseconds at most, so each figure is the median of several: the tick just
// after the caret moved (between the last two positions of the text), and the ticks of a caret
// standing at the end.
void caretTicks(Form& form) {
  const int end = form.controlLength();
  auto tick = [&] {
    const double start = now();
    form.window.logic().statusBar.timerGyoRetTimer();
    return now() - start;
  };
  std::vector<double> moved, standing;
  for (int i = 0; i < 9; ++i) {
    form.caretTo(i % 2 ? end : std::max(end - 1, 0));
    moved.push_back(tick());
  }
  for (int i = 0; i < 21; ++i) standing.push_back(tick());
  report("tick_moved", median(moved));
  report("tick", median(standing));
  // Where a standing tick goes: the caret's place from the adapter, and the two panels' texts.
  std::vector<double> caret, panels;
  for (int i = 0; i < 21; ++i) {
    double start = now();
    (void)form.window.memo1().caret();
    caret.push_back(now() - start);
    start = now();
    form.window.setPanelText(0, "1 : 1");
    form.window.setPanelText(1, "2026/12/08 12:00:00");
    panels.push_back(now() - start);
  }
  report("tick_caret", median(caret));
  report("tick_panels", median(panels));
}

// 1,000 characters, Japanese and ASCII, each posted as the keyboard would and handled to the
// last paint before the next.
double typing(Form& form) {
  form.caretTo(form.controlLength());
  const wchar_t* const keys = L"メモ帳の日本語 text abc、。";
  const std::size_t count = wcslen(keys);
  const double start = now();
  for (int i = 0; i < 1000; ++i) {
    PostMessageW(form.memo(), WM_CHAR, keys[i % count], 1);
    settle(form.window.hwnd());
  }
  return now() - start;
}

// Find Next from the start of the text to the marker on its last line, exactly or with あいまい検索.
// A save may have just read the text; any message that may change it (here one that empties the
// undo buffer) makes the adapter read it again, as after any edit.
double findTheMarker(Form& form, bool fuzzy = false) {
  SendMessageW(form.memo(), EM_EMPTYUNDOBUFFER, 0, 0);
  form.caretTo(0);
  form.window.logic().findReplace.tbtnFindClick();
  HWND dialog = form.searchDialog();
  SetDlgItemTextW(dialog, edt1, findMarkerW);
  CheckDlgButton(dialog, win32::ids::fuzzySearch, fuzzy ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(dialog, rad1, rad2, rad2);  // down, however the dialog was last left
  answerBoxes({});
  const double start = now();
  press(dialog, IDOK);
  settle(form.window.hwnd());
  const double took = now() - start;
  if (!boxes().shown().empty() || form.window.memo1().selText() != findMarker) fail("find did not select the marker");
  press(dialog, IDCANCEL);
  pump();
  return took;
}

int oursText(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  report("open", form.open(path, true));
  reportPeakMemory();
  caretTicks(form);

  // Overwrite save of the modified document, to the "saved" notice.
  SendMessageW(form.memo(), EM_SETMODIFY, TRUE, 0);
  answerBoxes({IDOK});
  const double start = now();
  form.window.logic().commands.tbtnUwagakiClick();
  report("save", boxShown(0) - start);

  report("find", findTheMarker(form));
  report("find_fuzzy", findTheMarker(form, true));
  report("typing", typing(form));
  finish();
}

// The same document in another encoding: what its open and Find cost against the CP932 one's.
int oursFind(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  report("open", form.open(path, true));
  report("find", findTheMarker(form));
  finish();
}

int oursRich(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  report("open", form.open(path, true));
  reportPeakMemory();
  SendMessageW(form.memo(), EM_SETMODIFY, TRUE, 0);
  answerBoxes({IDOK});
  const double start = now();
  form.window.logic().commands.tbtnUwagakiClick();
  report("save", boxShown(0) - start);
  finish();
}

int small(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  form.open(path, false);
  caretTicks(form);
  report("typing", typing(form));
  finish();
}

// ---- The bare control in a minimal window: what the control alone costs.

LRESULT CALLBACK bareProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_SIZE) {
    if (HWND child = GetWindow(h, GW_CHILD)) MoveWindow(child, 0, 0, LOWORD(l), HIWORD(l), TRUE);
    return 0;
  }
  return DefWindowProcW(h, msg, w, l);
}

struct Bare {
  HWND window = nullptr;
  HWND control = nullptr;
  Bare() {
    LoadLibraryW(L"msftedit.dll");
    WNDCLASSW wc{};
    wc.lpfnWndProc = bareProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KakipoBenchBare";
    RegisterClassW(&wc);
    window = CreateWindowExW(0, wc.lpszClassName, L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 280, 380,
                             nullptr, nullptr, wc.hInstance, nullptr);
    RECT r;
    GetClientRect(window, &r);
    control = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                              0, 0, r.right, r.bottom, window, nullptr, wc.hInstance, nullptr);
    if (!control) fail("no rich-edit control");
    SendMessageW(control, EM_EXLIMITTEXT, 0, 10000000);
    settle(window);
  }
  static DWORD CALLBACK readFileStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    DWORD n = 0;
    ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(wanted), &n, nullptr);
    *got = static_cast<LONG>(n);
    return 0;
  }
  static DWORD CALLBACK writeFileStream(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    DWORD n = 0;
    WriteFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(count), &n, nullptr);
    *written = static_cast<LONG>(n);
    return 0;
  }
  static WPARAM format(bool rich) { return rich ? SF_RTF : (SF_TEXT | SF_USECODEPAGE | (932 << 16)); }
  double streamIn(const std::wstring& path, bool rich) {
    const double start = now();
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) fail("cannot open " + narrow(path));
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(f), 0, readFileStream};
    SendMessageW(control, EM_STREAMIN, format(rich), reinterpret_cast<LPARAM>(&es));
    CloseHandle(f);
    settle(window);
    return now() - start;
  }
  static DWORD CALLBACK readMemory(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
    auto* rest = reinterpret_cast<std::wstring_view*>(cookie);
    const std::size_t units = std::min(rest->size(), static_cast<std::size_t>(wanted) / sizeof(wchar_t));
    std::copy_n(reinterpret_cast<const BYTE*>(rest->data()), units * sizeof(wchar_t), buffer);
    rest->remove_prefix(units);
    *got = static_cast<LONG>(units * sizeof(wchar_t));
    return 0;
  }
  // UTF-16 text in one read, as an application that does not know better would.
  void streamText(std::wstring_view text) {
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&text), 0, readMemory};
    SendMessageW(control, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&es));
  }
  double streamOut(const std::wstring& path, bool rich) {
    const double start = now();
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) fail("cannot create " + narrow(path));
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(f), 0, writeFileStream};
    SendMessageW(control, EM_STREAMOUT, format(rich), reinterpret_cast<LPARAM>(&es));
    CloseHandle(f);
    return now() - start;
  }
  std::wstring wholeText() const {
    GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto n = static_cast<int>(SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0));
    std::wstring buf(static_cast<std::size_t>(n) + 1, L'\0');
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
    gt.flags = GT_DEFAULT;
    gt.codepage = 1200;
    buf.resize(static_cast<std::size_t>(
        SendMessageW(control, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(buf.data()))));
    return buf;
  }
};

int bare(const std::wstring& file, const std::wstring& work, bool rich) {
  Bare b;
  report("open", b.streamIn(file, rich));
  reportPeakMemory();
  if (!rich) {
    const double start = now();
    const std::wstring all = b.wholeText();
    report("find", now() - start);
    if (all.empty()) fail("the bare control holds nothing");
    // The line of the last position: the least any caret line number at the end costs.
    std::vector<double> lookups;
    for (int i = 0; i < 9; ++i) {
      const double t = now();
      SendMessageW(b.control, EM_EXLINEFROMCHAR, 0, static_cast<LPARAM>(all.size()));
      lookups.push_back(now() - t);
    }
    report("line_lookup", median(lookups));
    // Typing into the control alone, at the end, each character painted before the next.
    CHARRANGE end{static_cast<LONG>(all.size()), static_cast<LONG>(all.size())};
    SendMessageW(b.control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    SetFocus(b.control);
    const double typingStart = now();
    for (int i = 0; i < 200; ++i) {
      PostMessageW(b.control, WM_CHAR, L"メモ帳の日本語 text abc、。"[i % 18], 1);
      settle(b.window);
    }
    report("typing200", now() - typingStart);
  }
  report("save", b.streamOut(workCopy(file, work), rich));
  finish();
}

// ---- The large paste: the whole text on the clipboard, pasted into a new document.

int paste(const std::wstring& file) {
  const std::wstring text = widen(readFile(file));
  probe::setClipboardText(text);

  Form form;
  answerBoxes({IDOK});
  form.window.logic().clipboard.popPasteClick();
  settle(form.window.hwnd());
  const double end = now();
  report("paste", end - boxShown(0));
  // The control keeps each CR LF as one CR.
  const auto breaks = std::count(text.begin(), text.end(), L'\n');
  if (form.controlLength() < static_cast<int>(text.size() - breaks)) fail("the paste did not arrive whole");
  finish();
}

// ---- Conversion: the text pasted into a new document (the baseline), then all of it converted to
// full width from the context menu, and that undone, each from the command to the window settled.

int convert(const std::wstring& file) {
  const std::string bytes = readFile(file);  // code page 932
  std::wstring text(bytes.size(), L'\0');
  text.resize(static_cast<std::size_t>(
      MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), static_cast<int>(text.size()))));
  probe::setClipboardText(text);
  Form form;
  answerBoxes({IDOK});
  form.window.logic().clipboard.popPasteClick();
  settle(form.window.hwnd());
  report("paste", now() - boxShown(0));
  const std::string before = form.window.memo1().text();
  form.window.memo1().selectAll();
  double start = now();
  form.window.logic().conversions.popZenkakuClick();
  settle(form.window.hwnd());
  report("convert", now() - start);
  const std::string after = form.window.memo1().text();
  if (after == before || std::any_of(after.begin(), after.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
    fail("the conversion did not convert");
  start = now();
  form.window.logic().clipboard.popUndoClick();
  settle(form.window.hwnd());
  report("convert_undo", now() - start);
  if (form.window.memo1().text() != before) fail("undo did not bring the text back");
  finish();
}

// ---- Quote markers on the first 10 and then the first 10,000 lines of a 10,000-line document.

// Control positions of line starts: the control keeps a line break as one CR.
std::vector<int> lineStartPositions(const std::string& bytes) {
  std::vector<int> starts{0};
  const std::wstring w = widen(bytes);
  int breaks = 0;
  for (std::size_t i = 0; i + 1 < w.size(); ++i)
    if (w[i] == L'\r' && w[i + 1] == L'\n') starts.push_back(static_cast<int>(i) + 2 - ++breaks);
  return starts;
}

int quotes(const std::wstring& file, const std::wstring& work, bool raw) {
  const std::wstring path = workCopy(file, work);
  const std::string bytes = readFile(path);
  if (!raw) {
    Form form;
    form.open(path, false);
    Editor& memo = form.window.memo1();
    for (int lines : {10, 10000}) {
      // From the first line's start into the last line: a selection ending at a line start would
      // take in one line more.
      memo.setSelStart(0);
      memo.setSelLength(memo.lineStart(lines - 1) + 1);
      settle(form.window.hwnd());
      const double start = now();
      form.window.logic().quotes.popInyofInClick();
      settle(form.window.hwnd());
      report(lines == 10 ? "quotes10" : "quotes10000", now() - start);
    }
    if (memo.line(9999).front() != '>' || memo.line(0).substr(0, 2) != ">>") fail("markers missing");
    finish();
  }
  // The control alone: one insertion per line start, from the back, redraw off.
  Bare b;
  b.streamIn(path, false);
  const std::vector<int> starts = lineStartPositions(bytes);
  for (int lines : {10, 10000}) {
    const double start = now();
    SendMessageW(b.control, WM_SETREDRAW, FALSE, 0);
    for (int i = lines; i-- > 0;) {
      // The first pass has put a marker on each of the first ten lines; inserting from the back
      // keeps every earlier position valid within a pass.
      const int cp = starts[static_cast<std::size_t>(i)] + (lines == 10000 ? std::min(i, 10) : 0);
      CHARRANGE cr{cp, cp};
      SendMessageW(b.control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
      SendMessageW(b.control, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L">"));
    }
    SendMessageW(b.control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(b.control, nullptr, TRUE);
    settle(b.window);
    report(lines == 10 ? "quotes10" : "quotes10000", now() - start);
  }
  finish();
}

// ---- Replace All through the Replace dialog: "#2" (10,000 occurrences), then "#" (100,000).

int replace(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  form.open(path, fileSize(path) > 1000000);
  struct Run {
    const wchar_t* what;
    const wchar_t* with;
    const char* name;
  };
  for (const Run& run : {Run{L"#2", L"#3", "replace10000"}, Run{L"#", L"@", "replace100000"}}) {
    form.window.logic().findReplace.tbtnTikanClick();  // the search starts from the top again
    HWND dialog = form.searchDialog();
    SetDlgItemTextW(dialog, edt1, run.what);
    SetDlgItemTextW(dialog, edt2, run.with);
    answerBoxes({IDYES, IDOK});
    press(dialog, psh2);
    settle(form.window.hwnd());
    report(run.name, boxShown(1) - boxShown(0));
  }
  const std::string text = form.window.memo1().text();
  if (std::count(text.begin(), text.end(), '@') != replaceOccurrences) fail("Replace All missed occurrences");
  finish();
}

// ---- Typing with recovery on and off, in one process and one document, so that whatever else
// loads the machine falls on both alike: 2,000 characters in blocks of 100, recovery on for half
// of them. On, the harness forwards to a recovery wiring of its own what the main window
// forwards to its own: each change, the 200 ms tick, the worker's outcomes. The blocks take well
// over 30 s, so the rule for typing that never pauses makes a snapshot and a write of the 10 MB
// document among them.

int recovery(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  form.open(path, true);
  form.caretTo(form.controlLength());
  auto& logic = form.window.logic();
  win32::SystemClock clock;
  win32::RecoveryFiles store(work + L"\\work-recovery" + std::to_wstring(GetCurrentProcessId()), nullptr, 0);
  RecoveryWiring recovery({form.window.memo1(), logic.document, logic.appearance, form.window, clock});
  recovery.keep(store);
  int writes = 0;
  double lastTick = now();
  const auto forward = [&] {
    recovery.memo1Change();
    if (now() - lastTick >= 0.2) {
      lastTick = now();
      recovery.timerGyoRetTimer();
    }
    for (const bool ok : store.takeResults()) {
      recovery.writeFinished(ok);
      writes += ok;
    }
  };
  const wchar_t* const keys = L"メモ帳の日本語 text abc、。";
  const std::size_t count = wcslen(keys);
  double on = 0, off = 0;
  for (int block = 0; block < 20; ++block) {
    const bool keeping = block % 4 == 0 || block % 4 == 3;  // on, off, off, on: a drift falls on both
    const double start = now();
    for (int i = 0; i < 100; ++i) {
      PostMessageW(form.memo(), WM_CHAR, keys[static_cast<std::size_t>(block * 100 + i) % count], 1);
      settle(form.window.hwnd());
      if (keeping) forward();
    }
    (keeping ? on : off) += now() - start;
  }
  store.finish();
  for (const bool ok : store.takeResults()) writes += ok;
  if (writes == 0) fail("no recovery file was written while typing");
  report("typing_on", on);
  report("typing_off", off);
  // What each write costs the user-interface thread: the snapshot, after one more key.
  PostMessageW(form.memo(), WM_CHAR, L'x', 1);
  settle(form.window.hwnd());
  const EditorRecoveryDocument document(form.window.memo1(), logic.document, logic.appearance);
  const double start = now();
  (void)document.snapshot();
  report("snapshot", now() - start);
  finish();
}

// ---- One very long line against ordinary lines: the open alone, ours, or the bare control
// streaming the file's text as UTF-16 in one read.

int openOnly(const std::wstring& file, const std::wstring& work, bool ours) {
  if (ours) {
    const std::wstring path = workCopy(file, work);
    Form form;
    report("open", form.open(path, fileSize(path) > 1000000));
    finish();
  }
  const std::wstring text = widenUtf8(readFile(file));
  Bare b;
  const double start = now();
  b.streamText(text);
  settle(b.window);
  report("open", now() - start);
  GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
  if (SendMessageW(b.control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0) == 0) fail("nothing was read");
  finish();
}

// ---- Cancel during an open: a second thread presses the progress dialog's cancel button (Return,
// as the keyboard would) SECONDS after the dialog appeared; the time runs from the press to the
// open's end, and "opened" says whether the document came in all the same.

struct CancelPress {
  double delay;
  double pressedAt = 0;
};

DWORD WINAPI pressCancelLater(void* param) {
  auto* press = static_cast<CancelPress*>(param);
  HWND dialog = nullptr;
  for (int i = 0; i < 12000 && !dialog; ++i) {
    dialog = FindWindowW(L"TDlgSinkou", nullptr);
    if (!dialog) Sleep(5);
  }
  if (!dialog) return 1;
  Sleep(static_cast<DWORD>(press->delay * 1000));
  const HWND button = FindWindowExW(dialog, nullptr, L"Button", nullptr);
  press->pressedAt = now();
  PostMessageW(button, WM_KEYDOWN, VK_RETURN, 0);
  return 0;
}

int cancelOpen(const std::wstring& file, const std::wstring& work, double delay) {
  const std::wstring path = workCopy(file, work);
  Form form;
  const bool large = fileSize(path) > 1000000;
  answerBoxes(large ? std::vector<int>{IDOK} : std::vector<int>{});
  CancelPress press{delay};
  HANDLE thread = CreateThread(nullptr, 0, pressCancelLater, &press, 0, nullptr);
  form.window.logic().commands.fileYomikomi(narrow(path));
  const double end = now();
  settle(form.window.hwnd());
  WaitForSingleObject(thread, INFINITE);
  if (press.pressedAt == 0) fail("the progress dialog did not appear");
  if (end < press.pressedAt) fail("the open ended before the press");
  report("cancel_to_end", end - press.pressedAt);
  report("opened", form.controlLength() > 0 ? 1 : 0);
  finish();
}

// ---- The counts. First the whole document counted after a pause, its ticks timed one by one (the
// longest is the longest a key can wait for a count); then typing with the count window open and
// closed, in one process as for recovery: 2,000 characters in blocks of 100, the window open for
// the blocks 1, 4, 5, 8, 9 ..., each block after a pause long enough for a count to start, so
// that the count runs, and is given up, in both halves alike.

void pause(Form& form, double seconds) {
  const double until = now() + seconds;
  while (now() < until) {
    settle(form.window.hwnd());
    Sleep(10);
  }
}

int counts(const std::wstring& file, const std::wstring& work) {
  const std::wstring path = workCopy(file, work);
  Form form;
  form.open(path, true);
  form.caretTo(form.controlLength());
  auto& keeper = form.window.logic().counts;
  // Ticks by hand until the count is whole, after waiting out the pause without a tick (no
  // messages handled).
  const auto countWhole = [&] {
    Sleep(static_cast<DWORD>(CountKeeper::pauseMs) + 100);
    std::vector<double> ticks;
    while (keeper.display().counting) {
      const double t = now();
      keeper.timerGyoRetTimer();
      ticks.push_back(now() - t);
      if (ticks.size() > 10000) fail("the count never ended");
    }
    return ticks;
  };
  countWhole();  // the document as opened, whatever the window's own ticks have counted of it
  // One key, and the count starts again from the start of the document.
  SendMessageW(form.memo(), WM_CHAR, L'x', 1);
  const double start = now();
  const std::vector<double> ticks = countWhole();
  report("count_work", now() - start - (CountKeeper::pauseMs + 100) / 1000.0);
  report("count_ticks", static_cast<double>(ticks.size()));
  report("count_tick_median", median(ticks));
  report("count_tick_longest", *std::max_element(ticks.begin(), ticks.end()));
  const TextCounts whole = *keeper.display().counts;
  // The other way of counting: the whole text read at once and counted.
  SendMessageW(form.memo(), EM_EMPTYUNDOBUFFER, 0, 0);  // forgets the adapter's copy of the text
  double t = now();
  const std::string text = form.window.memo1().text();
  report("count_read_whole", now() - t);
  t = now();
  if (countText(text) != whole) fail("the counts in slices differ from the whole text's");
  report("count_whole", now() - t);

  const wchar_t* const keys = L"メモ帳の日本語 text abc、。";
  const std::size_t count = wcslen(keys);
  double open = 0, closed = 0;
  for (int block = 0; block < 20; ++block) {
    const bool shown = block % 4 == 0 || block % 4 == 3;  // open, closed, closed, open
    if (shown)
      keeper.showCountWindow();
    else
      form.window.countWindow().closeCountWindow();
    pause(form, (CountKeeper::pauseMs + 300) / 1000.0);
    const double blockStart = now();
    for (int i = 0; i < 100; ++i) {
      PostMessageW(form.memo(), WM_CHAR, keys[static_cast<std::size_t>(block * 100 + i) % count], 1);
      settle(form.window.hwnd());
    }
    (shown ? open : closed) += now() - blockStart;
  }
  report("typing_count_open", open);
  report("typing_count_closed", closed);
  finish();
}

// ---- Start-up: another program's process, from its start to its main window shown and idle.

struct Found {
  DWORD pid;
  HWND window;
};

int startup(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const double start = now();
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    fail("cannot start " + narrow(program));
  Found found{pi.dwProcessId, nullptr};
  double end = 0;
  for (int i = 0; i < 6000 && !found.window; ++i) {
    WaitForInputIdle(pi.hProcess, 50);
    EnumWindows(
        [](HWND h, LPARAM l) {
          auto* f = reinterpret_cast<Found*>(l);
          DWORD pid = 0;
          GetWindowThreadProcessId(h, &pid);
          if (pid == f->pid && IsWindowVisible(h) && !GetWindow(h, GW_OWNER)) {
            f->window = h;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found.window) Sleep(5);
  }
  if (!found.window) fail("no window from " + narrow(program));
  // Shown; now until it has handled everything its start left queued.
  WaitForInputIdle(pi.hProcess, 30000);
  end = now();
  report("startup", end - start);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  finish();
}

}  // namespace
}  // namespace kakipo::bench

int main(int argc, char** argv) {
  using namespace kakipo::bench;
  const std::string command = argc > 1 ? argv[1] : "";
  auto arg = [&](int i) { return i < argc ? windowsPath(argv[i]) : std::wstring(); };
  if (command == "gen" && argc == 3) return generateDocuments(arg(2));
  if (command == "startup" && argc == 3) return startup(arg(2));
  if (command == "ours-text" && argc == 4) return oursText(arg(2), arg(3));
  if (command == "ours-rich" && argc == 4) return oursRich(arg(2), arg(3));
  if (command == "ours-find" && argc == 4) return oursFind(arg(2), arg(3));
  if (command == "bare" && argc == 5) return bare(arg(2), arg(3), std::string(argv[4]) == "rich");
  if (command == "small" && argc == 4) return small(arg(2), arg(3));
  if (command == "paste" && argc == 3) return paste(arg(2));
  if (command == "convert" && argc == 3) return convert(arg(2));
  if (command == "quotes" && argc == 5) return quotes(arg(2), arg(3), std::string(argv[4]) == "raw");
  if (command == "replace" && argc == 4) return replace(arg(2), arg(3));
  if (command == "recovery" && argc == 4) return recovery(arg(2), arg(3));
  if (command == "open" && argc == 5) return openOnly(arg(2), arg(3), std::string(argv[4]) == "ours");
  if (command == "cancel" && argc == 5) return cancelOpen(arg(2), arg(3), std::atof(argv[4]));
  if (command == "counts" && argc == 4) return counts(arg(2), arg(3));
  std::fprintf(stderr, "usage: kakipo_bench gen|startup|ours-text|ours-rich|ours-find|bare|small|paste|convert|quotes|"
                       "replace|recovery|open|cancel|counts ...\n");
  return 1;
}
