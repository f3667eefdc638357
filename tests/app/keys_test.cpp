// The key table: the command keys with exactly their modifiers, and the keys that must reach
// the control with the focus unchanged.
#include "app/keys.h"

#include <gtest/gtest.h>

#include <optional>

namespace kakipo {
namespace {

using namespace modifier;

struct KeyRow {
  const char* label;
  int key;
  ShiftState shift;
  std::optional<KeyCommand> command;
};

TEST(KeyTable, CommandKeysAndKeysThatGoOnToTheEditor) {
  const KeyRow rows[] = {
      {"Ctrl+N", vk::keyN, ctrl, KeyCommand::New},
      {"Ctrl+Shift+N", vk::keyN, ctrl | shift, KeyCommand::AnotherInstance},
      {"Ctrl+O", vk::keyO, ctrl, KeyCommand::Open},
      {"Ctrl+S", vk::keyS, ctrl, KeyCommand::OverwriteSave},
      {"Ctrl+Shift+S", vk::keyS, ctrl | shift, KeyCommand::SaveAs},
      {"Ctrl+F", vk::keyF, ctrl, KeyCommand::Find},
      {"Ctrl+H", vk::keyH, ctrl, KeyCommand::Replace},
      {"F3", vk::f3, none, KeyCommand::FindNext},
      {"Shift+F3", vk::f3, shift, KeyCommand::FindPrevious},
      {"F1", vk::f1, none, KeyCommand::Help},
      {"Ctrl+Shift+G", vk::keyG, ctrl | shift, KeyCommand::CountWindow},
      {"Ctrl+G", vk::keyG, ctrl, KeyCommand::GoToLine},
      {"Ctrl+= (US), Ctrl+; (JIS)", vk::oemPlus, ctrl, KeyCommand::ZoomIn},
      {"Ctrl++ typed with Shift", vk::oemPlus, ctrl | shift, KeyCommand::ZoomIn},
      {"Ctrl+keypad +", vk::numpadAdd, ctrl, KeyCommand::ZoomIn},
      {"Ctrl+-", vk::oemMinus, ctrl, KeyCommand::ZoomOut},
      {"Ctrl+keypad -", vk::numpadSubtract, ctrl, KeyCommand::ZoomOut},
      {"Ctrl+0", vk::key0, ctrl, KeyCommand::ZoomReset},
      {"Ctrl+keypad 0", vk::numpad0, ctrl, KeyCommand::ZoomReset},
      // Typing, the editor's own keys and the paste keys, which the editor routes itself.
      {"N", vk::keyN, none, std::nullopt},
      {"Shift+S", vk::keyS, shift, std::nullopt},
      {"Ctrl+V", vk::keyV, ctrl, std::nullopt},
      {"Shift+Insert", vk::insert, shift, std::nullopt},
      {"Ctrl+A", vk::keyA, ctrl, std::nullopt},
      {"Ctrl+Z", vk::keyZ, ctrl, std::nullopt},
      {"Ctrl+Y, the editor's redo", 'Y', ctrl, std::nullopt},
      // Alt combinations: the menu keys, and AltGr (Ctrl+Alt) typing characters.
      {"Alt+S", vk::keyS, alt, std::nullopt},
      {"Ctrl+Alt+S", vk::keyS, ctrl | alt, std::nullopt},
      {"Ctrl+Alt+Shift+N", vk::keyN, ctrl | alt | shift, std::nullopt},
      {"Alt+F3", vk::f3, alt, std::nullopt},
      {"Ctrl+F3", vk::f3, ctrl, std::nullopt},
      {"Shift+F1", vk::f1, shift, std::nullopt},
      {"F2", vk::f1 + 1, none, std::nullopt},
      {"F4", vk::f3 + 1, none, std::nullopt},
      {"F10", vk::f1 + 9, none, std::nullopt},
  };
  for (const KeyRow& r : rows) EXPECT_EQ(keyCommandOf(r.key, r.shift), r.command) << r.label;
}

}  // namespace
}  // namespace kakipo
