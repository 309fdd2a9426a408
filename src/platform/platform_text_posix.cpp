#include "platform/platform_text.h"

#include "model/statements/windows_1252.h"

void AppendInCodePage(char32_t c, std::string& out) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out.push_back(static_cast<char>(c));
        return;
    }
    for (int i = 0; i < 32; ++i)
        if (kWindows1252High[i] == c) {
            out.push_back(static_cast<char>(0x80 + i));
            return;
        }
    out.push_back('?');
}
