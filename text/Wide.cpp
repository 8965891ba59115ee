// Code page conversions of whole texts; a byte sequence the code page cannot read becomes
// what MultiByteToWideChar makes of it.
#include "Wide.h"

#include <windows.h>

std::wstring Widen(const Text& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), TextLength(text), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), TextLength(text), wide.data(), length);
    return wide;
}

Text Narrow(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
    return Text(std::string_view(narrow));
}
