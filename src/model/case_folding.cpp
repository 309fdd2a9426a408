#include "model/case_folding.h"

#include <algorithm>

namespace {

std::array<unsigned char, 256> Codepage1252() {
    std::array<unsigned char, 256> lower{};
    for (int c = 0; c < 256; ++c) lower[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) lower[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) lower[c] = static_cast<unsigned char>(c + 0x20);
    lower[0x8A] = 0x9A;
    lower[0x8C] = 0x9C;
    lower[0x8E] = 0x9E;
    lower[0x9F] = 0xFF;
    return lower;
}

std::array<unsigned char, 256> folding = Codepage1252();

}  // namespace

char FoldCase(char c) { return static_cast<char>(folding[static_cast<unsigned char>(c)]); }

void FoldCaseInto(std::string_view text, char* out) {
    for (char c : text) *out++ = FoldCase(c);
}

std::string FoldCase(std::string_view text) {
    std::string folded(text.size(), '\0');
    FoldCaseInto(text, folded.data());
    return folded;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

void SetCaseFolding(const std::optional<std::array<unsigned char, 256>>& lower) {
    folding = lower.value_or(Codepage1252());
}
