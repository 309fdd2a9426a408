#include "platform/platform_text.h"

#include <windows.h>

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
