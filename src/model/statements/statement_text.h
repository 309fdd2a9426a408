#pragma once
// Texts of a statement file into the program's texts: the file's encoding
// (UTF-8 or Windows-1252) decided once per file, each text converted to the
// program's ANSI code page (a character it lacks becomes '?') and cut to the
// field it goes into at a character boundary.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TextEncoding { Utf8, Windows1252 };

// A UTF-8 byte order mark, or bytes that are all valid UTF-8, give UTF-8;
// anything else is Windows-1252. Plain ASCII is UTF-8.
TextEncoding DetectEncoding(std::string_view bytes);

// A charset an OFX header or XML declaration names: "UTF-8"/"UTF8" (any case)
// gives UTF-8, "1252", "WINDOWS-1252", "ISO-8859-1", "LATIN1" and
// "US-ASCII"/"NONE" give Windows-1252 (ISO-8859-1 is its subset for text).
// Anything else, or nothing, leaves the decision to the bytes.
std::optional<TextEncoding> EncodingOfCharset(std::string_view charset);

// The number of bytes of a UTF-8 byte order mark at the start of `bytes` (3 or 0).
std::size_t ByteOrderMarkLength(std::string_view bytes);

// `raw` decoded from `encoding` and written in the program's code page, with
// white space at both ends dropped and at most `capacity` bytes kept, never
// part of a character. An invalid UTF-8 byte reads as its Windows-1252 character.
std::string ProgramText(std::string_view raw, TextEncoding encoding, std::size_t capacity);

// `text` without white space (spaces, tabs and line ends) at either end.
inline std::string_view TrimmedText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The capacity of a transaction's payee and memo in the data file.
inline constexpr std::size_t kStatementTextCapacity = 30;
