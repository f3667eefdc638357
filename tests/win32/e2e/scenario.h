// What the scenarios share: the program's texts they expect to see, and small checks.
#pragma once
#include "win32/e2e/driver.h"
#include "win32/probe/control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace e2e {

// The buttons of the bar (for clickButton) and the editor's context-menu commands (for chooseMenu).
namespace button = kakipo::probe::button;
namespace menu = kakipo::probe::popup;

inline const std::wstring nameBreak = L"\r\n\r\n";

// Checks a message box's caption, text and buttons; the default button when given.
inline void expectBox(const MessageBoxSeen& box, const std::wstring& caption, const std::wstring& text,
                      std::vector<int> buttons, int defaultButton = 0) {
  ASSERT_TRUE(box) << "no message box showed";
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.text, text);
  std::sort(buttons.begin(), buttons.end());
  EXPECT_EQ(box.buttons, buttons);
  if (defaultButton) {
    EXPECT_EQ(box.defaultButton, defaultButton);
  }
}

// One value of an INI file as a user would read it: section and key regardless of case.
inline std::string iniValue(const std::string& file, const std::string& section, const std::string& key) {
  auto lower = [](std::string s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
  };
  std::string current;
  std::size_t pos = 0;
  while (pos < file.size()) {
    std::size_t end = file.find('\n', pos);
    if (end == std::string::npos) end = file.size();
    std::string line = file.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = end + 1;
    if (!line.empty() && line.front() == '[') {
      current = lower(line.substr(1, line.find(']') - 1));
    } else if (current == lower(section)) {
      const auto eq = line.find('=');
      if (eq != std::string::npos && lower(line.substr(0, eq)) == lower(key)) return line.substr(eq + 1);
    }
  }
  return "<missing>";
}

}  // namespace e2e
