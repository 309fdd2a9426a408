#include "platform/platform_text.h"

#include <windows.h>

#include <algorithm>
#include <string>

void AppendInCodePage(char32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        return;
    }
    wchar_t wide[2];
    int wideLength = 1;
    if (c >= 0x10000) {
        wide[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        wide[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        wideLength = 2;
    } else {
        wide[0] = static_cast<wchar_t>(c);
    }
    char bytes[8];
    BOOL replaced = FALSE;
    // A UTF-8 code page has every character and takes neither the flag nor a default.
    const bool utf8 = GetACP() == CP_UTF8;
    const int length = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, wideLength, bytes,
                                           sizeof bytes, utf8 ? nullptr : "?", utf8 ? nullptr : &replaced);
    if (length <= 0 || replaced) {
        out.push_back('?');
        return;
    }
    out.append(bytes, static_cast<std::size_t>(length));
}

void AppendUtf8(std::string_view text, std::string& out) {
    // Plain ASCII, most texts, is UTF-8 already.
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii || text.empty()) {
        out.append(text);
        return;
    }
    std::wstring wide(text.size(), L'\0');  // a code page character is one UTF-16 unit at most
    const int wideLength =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
    if (wideLength <= 0) return;
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, out.data() + at, length, nullptr, nullptr);
}
