// Answers the message boxes this thread shows the moment each is activated, through a CBT hook:
// no timer, no polling, no box left hanging. Records what each box said and when it appeared.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace kakipo::probe {

// Seconds on the performance counter, the clock the answerer stamps each box with. (Not
// <chrono>: its headers hold a literal that a CP932 execution character set cannot take.)
double secondsNow();

struct MessageBoxShown {
  std::wstring caption;
  std::wstring text;
  int answer = 0;         // the button pressed (IDOK, IDYES ...)
  bool expected = false;  // false: no answer was waiting, so the box got its default button
  double at = 0;          // secondsNow() when the box was activated
};

class MessageBoxAnswerer {
 public:
  // Hooks the calling thread, one answerer per thread at a time.
  explicit MessageBoxAnswerer(std::vector<int> answers = {});
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // The answers for the boxes to come, in order; forgets the boxes seen so far.
  void answer(std::vector<int> answers);
  const std::vector<MessageBoxShown>& shown() const { return shown_; }

 private:
  static LRESULT CALLBACK hookProc(int code, WPARAM w, LPARAM l);
  void onActivate(HWND box);

  HHOOK hook_ = nullptr;
  std::vector<int> answers_;
  std::vector<MessageBoxShown> shown_;
};

// A message box, as opposed to the other dialogs of class #32770: it has the text control
// (id 0xFFFF) and no edit box of its own (the Find dialog's edt1).
bool isMessageBox(HWND h);

}  // namespace kakipo::probe
