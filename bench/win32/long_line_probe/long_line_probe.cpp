// Where a rich-edit control (RICHEDIT50W) spends its time on one very long line, and which of its
// settings changes that: a standalone program that links none of the editor's code. One load per
// process; each phase prints "name seconds" when it ends and "begin name" when it starts, so a run
// killed from outside still says which phase never ended.
//
//   long_line_probe N [KEY...]     N characters of Japanese prose, one line unless `lines`
//
// The text:    lines      a CR LF every 80 characters
//              ascii      English words and blanks instead
//              spaced     a blank every 20 characters
//              kanji      kanji only (one script throughout)
// The control: hidden     created hidden, shown after the load
//              nolayout   created hidden and never shown
//              noredraw   WM_SETREDRAW off during the load
//              wrap       word wrap on (EM_SETTARGETDEVICE 0, 0); off (0, 1) unless given
//              nowrapmsg  no EM_SETTARGETDEVICE at all
//              noautoh    without ES_AUTOHSCROLL
//              plain      TM_PLAINTEXT instead of TM_RICHTEXT
//              font=FACE  the default format's face (Shift_JIS, 10 pt)
//              width=W    the control's width in pixels (800)
// The load:    settext    EM_SETTEXTEX instead of EM_STREAMIN
//              piece=K    one EM_STREAMIN per K characters, each into the selection at the end
//              cancel=S   the stream callback refuses to go on from S seconds into the load
// Afterwards:  type       one WM_CHAR at the end of the text, then one in the middle of the line
// Alone:       itemize    only Uniscribe's ScriptItemize of the text, which the control runs on
//                         every paragraph it lays out
#include <windows.h>
#include <richedit.h>
#include <usp10.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

double now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

void say(const char* name, double value) {
  std::printf("%s %.4f\n", name, value);
  std::fflush(stdout);
}

void begin(const char* name) {
  std::printf("begin %s\n", name);
  std::fflush(stdout);
}

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void settle(HWND w) {
  RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump();
}

struct Options {
  std::size_t n = 0;
  bool lines = false, ascii = false, spaced = false, kanji = false;
  bool hidden = false, noRedraw = false, wrap = false, noWrapMessage = false, noAutoH = false, noLayout = false;
  bool plain = false, setText = false, type = false, itemize = false;
  std::wstring font;
  std::size_t piece = 0;
  double cancelAfter = -1;
  int width = 800;
};

std::wstring makeText(const Options& o) {
  // Kana, kanji and punctuation as in ordinary Japanese prose.
  static const wchar_t japanese[] =
      L"\u543e\u8f29\u306f\u732b\u3067\u3042\u308b\u3002\u540d\u524d\u306f\u307e\u3060\u7121\u3044"
      L"\u3002\u3069\u3053\u3067\u751f\u308c\u305f\u304b\u3068\u3093\u3068\u898b\u5f53\u304c\u3064"
      L"\u304b\u306c\u3002\u30e1\u30e2\u5e33\u3001\u300c\u30ab\u30ad\u30dd\u300d";
  static const wchar_t ascii[] = L"The quick brown fox jumps over the lazy dog. ";
  static const wchar_t kanji[] = L"\u543e\u8f29\u732b\u540d\u524d\u7121\u751f\u898b\u5f53\u5e33";
  const wchar_t* source = o.ascii ? ascii : o.kanji ? kanji : japanese;
  const std::size_t len = std::wcslen(source);
  std::wstring t;
  t.reserve(o.n + o.n / 40 + 2);
  std::size_t column = 0;
  for (std::size_t i = 0; i < o.n; ++i) {
    t += o.spaced && i % 20 == 19 ? L' ' : source[i % len];
    if (o.lines && ++column == 80) {
      t += L"\r\n";
      column = 0;
    }
  }
  return t;
}

struct Feed {
  const wchar_t* data;
  std::size_t units;
  std::size_t at = 0;
  double started;
  double cancelAfter;
  int calls = 0;
  double lastCall = 0;
  double maxGap = 0;
  bool refused = false;
  double refusedAt = 0;
};

DWORD CALLBACK feed(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* got) {
  auto* f = reinterpret_cast<Feed*>(cookie);
  const double t = now();
  if (f->calls > 0 && t - f->lastCall > f->maxGap) f->maxGap = t - f->lastCall;
  f->lastCall = t;
  ++f->calls;
  if (f->cancelAfter >= 0 && t - f->started >= f->cancelAfter) {
    if (!f->refused) f->refusedAt = t;
    f->refused = true;
    *got = 0;
    return 1;
  }
  std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(wanted) / 2, f->units - f->at);
  // Never end a piece between the CR and the LF of a break.
  if (n > 0 && f->at + n < f->units && f->data[f->at + n - 1] == L'\r') --n;
  std::memcpy(buffer, f->data + f->at, n * 2);
  f->at += n;
  *got = static_cast<LONG>(n * 2);
  return 0;
}

LRESULT CALLBACK frameProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(h, msg, w, l);
}

Options parse(int argc, char** argv) {
  Options o;
  if (argc < 2) {
    std::fprintf(stderr, "usage: long_line_probe N [KEY...]\n");
    std::exit(2);
  }
  o.n = std::strtoull(argv[1], nullptr, 10);
  for (int i = 2; i < argc; ++i) {
    const std::string k = argv[i];
    if (k == "lines") o.lines = true;
    else if (k == "spaced") o.spaced = true;
    else if (k == "kanji") o.kanji = true;
    else if (k == "itemize") o.itemize = true;
    else if (k == "ascii") o.ascii = true;
    else if (k == "hidden") o.hidden = true;
    else if (k == "noredraw") o.noRedraw = true;
    else if (k == "wrap") o.wrap = true;
    else if (k == "nowrapmsg") o.noWrapMessage = true;
    else if (k == "noautoh") o.noAutoH = true;
    else if (k == "plain") o.plain = true;
    else if (k == "settext") o.setText = true;
    else if (k == "type") o.type = true;
    else if (k == "nolayout") o.noLayout = o.hidden = true;
    else if (k.rfind("font=", 0) == 0) {
      for (char c : k.substr(5)) o.font += static_cast<wchar_t>(c);
    } else if (k.rfind("piece=", 0) == 0) o.piece = std::strtoull(k.c_str() + 6, nullptr, 10);
    else if (k.rfind("cancel=", 0) == 0) o.cancelAfter = std::strtod(k.c_str() + 7, nullptr);
    else if (k.rfind("width=", 0) == 0) o.width = std::atoi(k.c_str() + 6);
    else {
      std::fprintf(stderr, "long_line_probe: unknown key %s\n", k.c_str());
      std::exit(2);
    }
  }
  return o;
}

void streamPiece(HWND control, Feed& f, UINT format) {
  EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&f), 0, feed};
  SendMessageW(control, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  const std::wstring text = makeText(o);
  if (o.itemize) {
    // What the control asks of Uniscribe for each paragraph it lays out, alone.
    std::vector<SCRIPT_ITEM> items(text.size() + 2);
    SCRIPT_CONTROL control{};
    SCRIPT_STATE state{};
    int count = 0;
    const double i0 = now();
    ScriptItemize(text.c_str(), static_cast<int>(text.size()), static_cast<int>(items.size()) - 1, &control, &state,
                  items.data(), &count);
    say("itemize", now() - i0);
    say("items", count);
    return 0;
  }
  LoadLibraryW(L"msftedit.dll");

  WNDCLASSW wc{};
  wc.lpfnWndProc = frameProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LongLineProbe";
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&wc);
  HWND frame = CreateWindowExW(0, L"LongLineProbe", L"probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               o.width + 40, 640, nullptr, nullptr, wc.hInstance, nullptr);
  settle(frame);

  DWORD style = WS_CHILD | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL |
                ES_WANTRETURN;
  if (!o.noAutoH) style |= ES_AUTOHSCROLL;
  if (!o.hidden) style |= WS_VISIBLE;
  const double t0 = now();
  HWND control = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"", style, 0, 0, o.width, 560, frame,
                                 reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
  SendMessageW(control, EM_EXLIMITTEXT, 0, 0x7FFFFFF);
  SendMessageW(control, EM_SETTEXTMODE,
               o.plain ? TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE
                       : TM_RICHTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE,
               0);
  if (!o.font.empty()) {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE;
    cf.bCharSet = SHIFTJIS_CHARSET;
    cf.yHeight = 200;
    lstrcpynW(cf.szFaceName, o.font.c_str(), LF_FACESIZE);
    SendMessageW(control, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  }
  if (!o.noWrapMessage) SendMessageW(control, EM_SETTARGETDEVICE, 0, o.wrap ? 0 : 1);
  say("create", now() - t0);
  if (o.noRedraw) SendMessageW(control, WM_SETREDRAW, FALSE, 0);

  Feed f{text.data(), text.size(), 0, now(), o.cancelAfter};
  begin("load");
  const double l0 = now();
  if (o.setText) {
    SETTEXTEX st{ST_DEFAULT, 1200};
    SendMessageW(control, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&st), reinterpret_cast<LPARAM>(text.c_str()));
  } else if (o.piece == 0) {
    streamPiece(control, f, SF_TEXT | SF_UNICODE);
  } else {
    for (std::size_t from = 0; from < text.size() && !f.refused;) {
      std::size_t to = std::min(text.size(), from + o.piece);
      if (to < text.size() && text[to - 1] == L'\r') ++to;
      Feed part{text.data() + from, to - from, 0, f.started, o.cancelAfter};
      CHARRANGE end{-1, -1};
      SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
      const double p0 = now();
      streamPiece(control, part, SF_TEXT | SF_UNICODE | SFF_SELECTION);
      const double took = now() - p0;
      if (took > f.maxGap) f.maxGap = took;  // for pieces: the longest single EM_STREAMIN
      f.calls += part.calls;
      f.refused = part.refused;
      f.refusedAt = part.refusedAt;
      f.lastCall = part.lastCall;
      from = to;
    }
  }
  const double l1 = now();
  say("load", l1 - l0);
  if (!o.setText) {
    say("callbacks", f.calls);
    say("max_gap", f.maxGap);
    say("after_last_callback", l1 - f.lastCall);
    if (f.refused) say("cancel_to_return", l1 - f.refusedAt);
  }
  GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
  say("length", static_cast<double>(SendMessageW(control, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0)));

  if (o.noRedraw) {
    begin("redraw_on");
    const double r0 = now();
    SendMessageW(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, nullptr, TRUE);
    say("redraw_on", now() - r0);
  }
  if (o.noLayout) {
    say("total", now() - t0);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 0);
  }
  if (o.hidden) {
    begin("show");
    const double s0 = now();
    ShowWindow(control, SW_SHOWNA);
    say("show", now() - s0);
  }
  begin("paint");
  const double p0 = now();
  settle(frame);
  say("paint", now() - p0);
  if (o.type) {
    SetFocus(control);
    for (LONG at : {-1L, static_cast<LONG>(text.size() / 2)}) {
      CHARRANGE cr{at, at};
      SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
      settle(frame);
      begin(at < 0 ? "type_end" : "type_middle");
      const double k0 = now();
      SendMessageW(control, WM_CHAR, L'x', 1);
      settle(frame);
      say(at < 0 ? "type_end" : "type_middle", now() - k0);
    }
  }
  say("total", now() - t0);
  std::fflush(stdout);
  // Destroying a control that holds a long text is slow and no part of any phase.
  TerminateProcess(GetCurrentProcess(), 0);
  return 0;
}
