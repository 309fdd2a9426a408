#include "platform/platform_text.h"

#include "model/statements/windows_1252.h"

void AppendInCodePage(char32_t c, std::string& out) { out.push_back(static_cast<char>(Windows1252Byte(c))); }

void AppendUtf8(std::string_view text, std::string& out) {
    out.reserve(out.size() + 2 * text.size());
    for (char byte : text) {
        const char32_t c = Windows1252Character(static_cast<unsigned char>(byte));
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}
