// Keys as the logic names them: the platform's virtual-key codes of the keys it looks at, and the
// modifier keys held with a key as a set of bits.
#pragma once

namespace kakipo {

namespace vk {
constexpr int f1 = 0x70;
constexpr int f3 = 0x72;
constexpr int insert = 0x2D;
// Letter keys have the code of their upper-case ASCII letter.
constexpr int keyA = 'A';
constexpr int keyF = 'F';
constexpr int keyG = 'G';
constexpr int keyH = 'H';
constexpr int keyN = 'N';
constexpr int keyO = 'O';
constexpr int keyS = 'S';
constexpr int keyV = 'V';
constexpr int keyZ = 'Z';
constexpr int key0 = '0';  // digit keys have the code of their ASCII digit
// The keypad's 0, + and -, and the main keyboard's keys that carry + and - (on a Japanese keyboard
// + is Shift with the ";" key, which has the code of the US "=" key).
constexpr int numpad0 = 0x60;
constexpr int numpadAdd = 0x6B;
constexpr int numpadSubtract = 0x6D;
constexpr int oemPlus = 0xBB;
constexpr int oemMinus = 0xBD;
}  // namespace vk

using ShiftState = unsigned;
namespace modifier {
constexpr ShiftState none = 0x0;
constexpr ShiftState shift = 0x1;
constexpr ShiftState alt = 0x2;
constexpr ShiftState ctrl = 0x4;
}  // namespace modifier

}  // namespace kakipo
