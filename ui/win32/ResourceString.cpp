#include "ui/win32/ResourceString.h"

namespace pivlon::win32 {

std::wstring LoadResourceString(HINSTANCE instance, UINT id) {
    // With a zero buffer size the system hands out a pointer into the loaded
    // resource itself, so no length limit applies.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr)
        return {};
    return std::wstring(text, static_cast<size_t>(length));
}

}  // namespace pivlon::win32
