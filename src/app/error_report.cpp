#include "app/error_report.h"

namespace kakipo {

std::string errorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void reportError(MessageBoxes& ui, const std::string& windowTitle, const std::string& message) {
  ui.messageBox(errorBoxText(message), windowTitle, mb::ok | mb::iconError);
}

}  // namespace kakipo
