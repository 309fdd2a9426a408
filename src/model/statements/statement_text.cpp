#include "model/statements/statement_text.h"

#include <cctype>

#include "model/statements/windows_1252.h"
#include "platform/platform_text.h"

namespace {

// The UTF-8 sequence at `bytes[at]`: its character and length, or length 0
// when the bytes there are not a valid sequence (overlong forms and
// surrogates included).
struct Decoded {
    char32_t character = 0;
    std::size_t length = 0;
};

Decoded DecodeUtf8(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t character = 0, smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, character = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, character = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, character = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() - at < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {};
        character = (character << 6) | (byte(at + i) & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return {};
    return {character, length};
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::size_t ByteOrderMarkLength(std::string_view bytes) { return bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0; }

TextEncoding DetectEncoding(std::string_view bytes) {
    if (ByteOrderMarkLength(bytes) != 0) return TextEncoding::Utf8;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {  // most bytes: no need to decode
            ++at;
            continue;
        }
        const Decoded decoded = DecodeUtf8(bytes, at);
        if (decoded.length == 0) return TextEncoding::Windows1252;
        at += decoded.length;
    }
    return TextEncoding::Utf8;
}

std::optional<TextEncoding> EncodingOfCharset(std::string_view charset) {
    std::string name;
    for (char c : charset)
        if (c != '-' && c != '_' && !IsBlank(c)) name.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (name == "UTF8") return TextEncoding::Utf8;
    for (const char* other : {"1252", "WINDOWS1252", "CP1252", "ISO88591", "LATIN1", "USASCII", "ASCII", "NONE"})
        if (name == other) return TextEncoding::Windows1252;
    return std::nullopt;
}

std::string ProgramText(std::string_view raw, TextEncoding encoding, std::size_t capacity) {
    raw = TrimmedText(raw);
    std::string text;
    std::string character;
    for (std::size_t at = 0; at < raw.size();) {
        const unsigned char byte = static_cast<unsigned char>(raw[at]);
        if (byte >= 0x20 && byte < 0x7F) {  // printable ASCII, the same in every code page
            if (text.size() == capacity) break;
            text.push_back(raw[at++]);
            continue;
        }
        char32_t c = byte;
        std::size_t length = 1;
        if (byte >= 0x80) {
            const Decoded decoded = encoding == TextEncoding::Utf8 ? DecodeUtf8(raw, at) : Decoded{};
            if (decoded.length != 0) {
                c = decoded.character, length = decoded.length;
            } else {
                c = Windows1252Character(byte);
            }
        }
        at += length;
        // Control characters would break the lists' rows.
        if (c < 0x20 || c == 0x7F) c = ' ';
        character.clear();
        AppendInCodePage(c, character);
        if (text.size() + character.size() > capacity) break;
        text += character;
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}
