#include "win32/encoding.h"

#include "core/utf.h"

namespace kakipo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the system's wide text is UTF-16");

// wchar_t and char16_t are distinct types of the same size here; only the pointer type differs.
std::u16string_view asUtf16(std::wstring_view w) { return {reinterpret_cast<const char16_t*>(w.data()), w.size()}; }
std::wstring_view asWide(std::u16string_view u) { return {reinterpret_cast<const wchar_t*>(u.data()), u.size()}; }

std::wstring widen(std::string_view text) { return std::wstring(asWide(utf::toUtf16(text))); }

std::string narrow(std::wstring_view wide) { return utf::fromUtf16(asUtf16(wide)); }

}  // namespace kakipo::win32
