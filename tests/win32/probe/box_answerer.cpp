#include "win32/probe/box_answerer.h"

#include <dlgs.h>

#include <stdexcept>
#include <utility>

#include "win32/probe/window_query.h"

namespace kakipo::probe {

namespace {
constexpr int messageTextId = 0xFFFF;
thread_local MessageBoxAnswerer* current = nullptr;
}  // namespace

double secondsNow() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

bool isMessageBox(HWND h) {
  return className(h) == L"#32770" && GetDlgItem(h, edt1) == nullptr && GetDlgItem(h, messageTextId) != nullptr;
}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers) : answers_(std::move(answers)) {
  if (current) throw std::logic_error("this thread already has a message-box answerer");
  hook_ = SetWindowsHookExW(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
  if (!hook_) throw std::runtime_error("cannot hook the thread's message boxes");
  current = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  UnhookWindowsHookEx(hook_);
  current = nullptr;
}

void MessageBoxAnswerer::answer(std::vector<int> answers) {
  answers_ = std::move(answers);
  shown_.clear();
}

LRESULT CALLBACK MessageBoxAnswerer::hookProc(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE && current && isMessageBox(reinterpret_cast<HWND>(w)))
    current->onActivate(reinterpret_cast<HWND>(w));
  return CallNextHookEx(nullptr, code, w, l);
}

void MessageBoxAnswerer::onActivate(HWND box) {
  MessageBoxShown seen;
  seen.at = secondsNow();
  seen.caption = windowText(box);
  seen.text = windowText(GetDlgItem(box, messageTextId));
  seen.expected = !answers_.empty();
  if (seen.expected) {
    seen.answer = answers_.front();
    answers_.erase(answers_.begin());
  } else {
    const LRESULT def = SendMessageW(box, DM_GETDEFID, 0, 0);
    seen.answer = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDCANCEL;
  }
  // Posted: the box is still being activated; its own loop takes the answer once it runs.
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.answer, BN_CLICKED), 0);
  shown_.push_back(std::move(seen));
}

}  // namespace kakipo::probe
