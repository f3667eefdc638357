// Message boxes as the logic asks for them. Flags and results use the platform's numeric codes so
// that the shell passes them through unchanged and tests can read them as the user would see them.
#pragma once
#include <string>

namespace kakipo {

namespace mb {
constexpr unsigned ok = 0x0;
constexpr unsigned okCancel = 0x1;
constexpr unsigned yesNoCancel = 0x3;
constexpr unsigned yesNo = 0x4;
constexpr unsigned iconError = 0x10;
constexpr unsigned iconQuestion = 0x20;
constexpr unsigned iconWarning = 0x30;
constexpr unsigned iconInformation = 0x40;
constexpr unsigned defButton1 = 0x0;
constexpr unsigned defButton2 = 0x100;
constexpr unsigned defButton3 = 0x200;

constexpr int idOk = 1;
constexpr int idCancel = 2;
constexpr int idYes = 6;
constexpr int idNo = 7;
}  // namespace mb

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal; returns the button the user chose (mb::idOk, mb::idYes, ...).
  virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

}  // namespace kakipo
