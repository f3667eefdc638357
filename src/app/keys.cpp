#include "app/keys.h"

namespace kakipo {

namespace {

struct KeyBinding {
  int key;
  ShiftState shift;
  KeyCommand command;
};

using namespace modifier;

constexpr KeyBinding bindings[] = {
    {vk::keyN, ctrl, KeyCommand::New},
    {vk::keyN, ctrl | shift, KeyCommand::AnotherInstance},
    {vk::keyO, ctrl, KeyCommand::Open},
    {vk::keyS, ctrl, KeyCommand::OverwriteSave},
    {vk::keyS, ctrl | shift, KeyCommand::SaveAs},
    {vk::keyF, ctrl, KeyCommand::Find},
    {vk::keyH, ctrl, KeyCommand::Replace},
    {vk::f3, none, KeyCommand::FindNext},
    {vk::f3, shift, KeyCommand::FindPrevious},
    {vk::f1, none, KeyCommand::Help},
    {vk::keyG, ctrl | shift, KeyCommand::CountWindow},
    {vk::keyG, ctrl, KeyCommand::GoToLine},
    {vk::oemPlus, ctrl, KeyCommand::ZoomIn},
    {vk::oemPlus, ctrl | shift, KeyCommand::ZoomIn},
    {vk::numpadAdd, ctrl, KeyCommand::ZoomIn},
    {vk::oemMinus, ctrl, KeyCommand::ZoomOut},
    {vk::numpadSubtract, ctrl, KeyCommand::ZoomOut},
    {vk::key0, ctrl, KeyCommand::ZoomReset},
    {vk::numpad0, ctrl, KeyCommand::ZoomReset},
};

}  // namespace

std::optional<KeyCommand> keyCommandOf(int key, ShiftState shift) {
  // Modifiers match exactly: Ctrl+Alt is AltGr on many keyboards and types characters.
  for (const KeyBinding& b : bindings)
    if (b.key == key && b.shift == shift) return b.command;
  return std::nullopt;
}

}  // namespace kakipo
