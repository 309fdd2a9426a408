#include "model/file/dated_copies.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "model/dates.h"
#include "platform/platform_folder.h"

namespace {

constexpr std::string_view kCopyExtension = ".pwf";
constexpr std::string_view kDefaultFolder = "Backups";

// Where the file's folder ends: after the last separator of either kind.
std::size_t NameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// `count` digits at the front of `text`, taken off it.
std::optional<std::int32_t> TakeDigits(std::string_view& text, std::size_t count) {
    if (text.size() < count) return std::nullopt;
    std::int32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return value;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// The time and number of a copy's name after "stem.": YYYY-MM-DD_HHMMSS,
// then "-N" for N from 2, then the extension.
std::optional<DatedCopy> ParseAfterStem(std::string_view text) {
    DatedCopy copy;
    CopyTime& t = copy.time;
    const auto field = [&](std::int32_t& value, std::size_t digits) {
        const std::optional<std::int32_t> read = TakeDigits(text, digits);
        if (read) value = *read;
        return read.has_value();
    };
    if (!field(t.year, 4) || !TakeChar(text, '-') || !field(t.month, 2) || !TakeChar(text, '-') ||
        !field(t.day, 2) || !TakeChar(text, '_') || !field(t.hour, 2) || !field(t.minute, 2) || !field(t.second, 2))
        return std::nullopt;
    if (TakeChar(text, '-')) {
        // A number as DatedCopyName writes it: no leading zero, 2 or more.
        if (text.empty() || text.front() == '0') return std::nullopt;
        std::size_t digits = 0;
        while (digits < text.size() && digits < 6 && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
        if (!field(copy.number, digits) || copy.number < 2) return std::nullopt;
    }
    if (!SameLetters(text, kCopyExtension)) return std::nullopt;
    return copy;
}

}  // namespace

CopyTime LocalTimeNow() {
    const std::tm local = LocalClockNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string DatedCopyFolder(const std::string& dataFile, const std::string& chosen) {
    if (!chosen.empty()) return chosen;
    return dataFile.substr(0, NameStart(dataFile)) + std::string(kDefaultFolder);
}

std::string DataFileStem(const std::string& dataFile) {
    const std::string name = dataFile.substr(NameStart(dataFile));
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string DatedCopyName(std::string_view stem, const CopyTime& t, int number) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, ".%04d-%02d-%02d_%02d%02d%02d", t.year % 10000, t.month % 100, t.day % 100,
                  t.hour % 100, t.minute % 100, t.second % 100);
    std::string name = std::string(stem) + stamp;
    if (number > 1) name += "-" + std::to_string(number);
    return name + std::string(kCopyExtension);
}

std::vector<DatedCopy> DatedCopiesAmong(const std::vector<std::string>& names, std::string_view stem) {
    std::vector<DatedCopy> copies;
    for (const std::string& name : names) {
        if (name.size() <= stem.size() + 1 || !SameLetters(std::string_view(name).substr(0, stem.size()), stem) ||
            name[stem.size()] != '.')
            continue;
        std::optional<DatedCopy> copy = ParseAfterStem(std::string_view(name).substr(stem.size() + 1));
        if (!copy) continue;
        copy->name = name;
        copies.push_back(std::move(*copy));
    }
    std::sort(copies.begin(), copies.end(), [](const DatedCopy& a, const DatedCopy& b) {
        return a.time != b.time ? a.time > b.time : a.number > b.number;
    });
    return copies;
}

std::string FreeDatedCopyName(const std::vector<std::string>& names, std::string_view stem, const CopyTime& time) {
    for (int number = 1;; ++number) {
        std::string name = DatedCopyName(stem, time, number);
        if (std::none_of(names.begin(), names.end(), [&](const std::string& taken) { return SameLetters(taken, name); }))
            return name;
    }
}

const CopySteps kPlatformCopySteps{OnSameVolume, MoveFileTo, CopyFileTo};

KeptCopy KeepOldFile(const std::string& dataFile, const DatedCopyRequest& request) {
    const std::string folder = DatedCopyFolder(dataFile, request.settings.folder);
    const std::string dataFolder = dataFile.substr(0, NameStart(dataFile));
    if (!IsFile(dataFile) || !MakeFolder(folder)) return {};
    const std::string path = folder + kPathSeparator +
                             FreeDatedCopyName(FileNamesIn(folder), DataFileStem(dataFile), request.time);
    const CopySteps& steps = *request.steps;
    // Made before the file moves: nothing can fail between the move and the answer.
    KeptCopy kept{path, true};
    if (steps.sameVolume(dataFolder.empty() ? "." : dataFolder, folder)) {
        if (steps.move(dataFile, path)) return kept;
        // A folder that refuses the rename may still take a copy.
    }
    kept.moved = false;
    if (steps.copy(dataFile, path)) return kept;
    return {};
}

void UndoKeptCopy(const KeptCopy& kept, const std::string& dataFile, const CopySteps& steps) {
    if (kept.path.empty()) return;
    if (kept.moved)
        steps.move(kept.path, dataFile);
    else
        std::remove(kept.path.c_str());
}

void PruneDatedCopies(const std::string& dataFile, const std::string& folder, std::int32_t count) {
    const std::vector<DatedCopy> copies = DatedCopiesAmong(FileNamesIn(folder), DataFileStem(dataFile));
    for (std::size_t i = static_cast<std::size_t>(std::clamp(count, 1, kMostDatedCopies)); i < copies.size(); ++i)
        std::remove((folder + kPathSeparator + copies[i].name).c_str());
}
