// The per-user settings under HKEY_CURRENT_USER and the help folder the
// installation names under HKEY_LOCAL_MACHINE. Every registry error is
// silent: a value that cannot be read leaves its setting as it was.

#include "app/settings.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "model/tables/dpi_scaling.h"
#include "model/tables/screen_placement.h"
#include "shell/program.h"
#include "shell/window_dpi.h"
#include "model/tables/transaction_rows.h"

namespace {

constexpr char kUserKey[] = "Software\\Orvanel Software\\Pennywhist\\2.0";
constexpr char kProfilesKey[] = "Software\\Orvanel Software\\Pennywhist\\2.0\\Statement Profiles";
constexpr char kMachineKey[] = "Software\\Orvanel Software\\Pennywhist";

static_assert(sizeof(WINDOWPLACEMENT) == kStoredPlacementSize);
static_assert(kShowNormal == SW_SHOWNORMAL && kShowMinimized == SW_SHOWMINIMIZED && kShowMaximized == SW_SHOWMAXIMIZED);

enum class KeyAccess { ReadExisting, CreateToWrite };

// An open registry key, closed when the scope ends.
class RegistryKey {
public:
    RegistryKey(HKEY root, const char* path, KeyAccess access) {
        HKEY key = nullptr;
        const LSTATUS status =
            access == KeyAccess::ReadExisting
                ? RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key)
                : RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                                  nullptr);
        if (status == ERROR_SUCCESS) key_ = key;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }

    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

// How many bytes a value of the given type filled in the buffer; none when
// the value is missing, of another type or longer than the buffer.
std::optional<DWORD> ReadBytes(HKEY key, const char* name, DWORD type, std::span<BYTE> buffer) {
    DWORD storedType = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(key, name, nullptr, &storedType, buffer.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    if (storedType != type) return std::nullopt;
    return size;
}

std::optional<DWORD> ReadDword(HKEY key, const char* name) {
    DWORD value = 0;
    if (ReadBytes(key, name, REG_DWORD, {reinterpret_cast<BYTE*>(&value), sizeof value}) != sizeof value)
        return std::nullopt;
    return value;
}

// A path of at most kMaxPathLength characters. A value stored without its
// terminator ends with its size; one that fills the buffer without a
// terminator, or does not fit it, is too long and not taken.
std::optional<std::string> ReadPath(HKEY key, const char* name) {
    char buffer[kMaxPathLength + 1];
    const std::optional<DWORD> size = ReadBytes(key, name, REG_SZ, {reinterpret_cast<BYTE*>(buffer), sizeof buffer});
    if (!size) return std::nullopt;
    const std::size_t length = strnlen(buffer, *size);
    if (length > kMaxPathLength) return std::nullopt;
    return std::string(buffer, length);
}

void WriteValue(HKEY key, const char* name, DWORD type, const void* data, std::size_t size) {
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
}

void WriteDword(HKEY key, const char* name, DWORD value) { WriteValue(key, name, REG_DWORD, &value, sizeof value); }

std::string ColumnWidthName(int column) { return "Column" + std::to_string(column + 1) + "Width"; }

// The folder of the running program, without a trailing backslash.
std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string file(path, strnlen(path, length));
    const std::size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

// The stored normal rectangle brought back onto the nearest screen when it
// lies off all of them. It is in workspace coordinates, which start at the
// primary screen's work area; the screen's work area is moved into them. The
// nearest screen is chosen on the rectangle as it is: the difference, a
// taskbar's width at most, hardly changes which screen is nearest.
RECT OnNearestScreen(const ScreenRect& normal) {
    RECT rect{normal.left, normal.top, normal.right, normal.bottom};
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    MONITORINFO nearest{};
    nearest.cbSize = sizeof nearest;
    if (!GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary) ||
        !GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &nearest))
        return rect;
    const LONG workspaceX = primary.rcWork.left - primary.rcMonitor.left;
    const LONG workspaceY = primary.rcWork.top - primary.rcMonitor.top;
    const ScreenRect workArea{nearest.rcWork.left - workspaceX, nearest.rcWork.top - workspaceY,
                              nearest.rcWork.right - workspaceX, nearest.rcWork.bottom - workspaceY};
    const ScreenRect placed = KeepOnScreen(normal, workArea);
    return {placed.left, placed.top, placed.right, placed.bottom};
}

// Places and shows the frame as stored. Without a usable placement it keeps
// its place, and is shown if it is not yet: settings that load always leave
// the frame shown.
void ApplyPlacement(std::span<const std::uint8_t> stored) {
    const std::optional<StartingPlacement> starting = ReadStoredPlacement(stored);
    if (!starting) {
        if (!IsWindowVisible(App.frame)) ShowWindow(App.frame, SW_SHOWNORMAL);
        return;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.showCmd = starting->showCommand;
    // The minimised and maximised positions are the system's to choose.
    placement.ptMinPosition = {-1, -1};
    placement.ptMaxPosition = {-1, -1};
    placement.rcNormalPosition = OnNearestScreen(starting->normal);
    SetWindowPlacement(App.frame, &placement);
}

}  // namespace

bool LoadSettings() {
    {
        const RegistryKey machine(HKEY_LOCAL_MACHINE, kMachineKey, KeyAccess::ReadExisting);
        std::optional<std::string> helpFolder;
        if (machine) helpFolder = ReadPath(machine.Get(), "Path");
        Program.HelpFolder = helpFolder && !helpFolder->empty() ? *helpFolder : ProgramFolder();
    }

    const RegistryKey key(HKEY_CURRENT_USER, kUserKey, KeyAccess::ReadExisting);
    if (!key) return false;

    if (const std::optional<DWORD> dateFormat = ReadDword(key.Get(), "DateFormat"))
        Program.DateFormat = static_cast<std::int32_t>(*dateFormat);

    if (const std::optional<DWORD> keep = ReadDword(key.Get(), "KeepDatedCopies")) Program.DatedCopies.keep = *keep != 0;
    if (const std::optional<DWORD> count = ReadDword(key.Get(), "DatedCopiesToKeep"))
        Program.DatedCopies.count = static_cast<std::int32_t>(std::clamp<DWORD>(*count, 1, kMostDatedCopies));
    if (std::optional<std::string> folder = ReadPath(key.Get(), "DatedCopyFolder"))
        Program.DatedCopies.folder = std::move(*folder);

    // A longer value does not fit and reads as missing.
    std::uint8_t placement[kStoredPlacementSize];
    const std::optional<DWORD> placementSize = ReadBytes(key.Get(), "WindowPlacement", REG_BINARY, placement);
    ApplyPlacement(std::span(placement, placementSize.value_or(0)));

    std::uint8_t showStats = 0;
    if (ReadBytes(key.Get(), "ShowStats", REG_BINARY, {&showStats, 1}) == 1u) Program.ShowStats = showStats != 0 ? 1 : 0;

    // Widths are stored in 96-DPI units, so they read the same at any DPI.
    const int listDpi = WindowDpi(App.transactionList);
    for (int column = 0; column < kTransactionListColumnCount; ++column) {
        if (const std::optional<DWORD> width = ReadDword(key.Get(), ColumnWidthName(column).c_str()))
            ListView_SetColumnWidth(App.transactionList, column, ScaledForDpi(LOWORD(*width), listDpi));
    }

    // A hand-edited order the list does not know shows it unsorted.
    if (const std::optional<DWORD> sortDate = ReadDword(key.Get(), "SortDate"))
        Program.SortDate = *sortDate <= DWORD(kSortUnsorted) ? static_cast<std::int32_t>(*sortDate) : kSortUnsorted;

    if (std::optional<std::string> lastFile = ReadPath(key.Get(), "LastFile")) Program.currentFile = std::move(*lastFile);
    return true;
}

std::string ReadLastFile() {
    const RegistryKey key(HKEY_CURRENT_USER, kUserKey, KeyAccess::ReadExisting);
    if (!key) return {};
    return ReadPath(key.Get(), "LastFile").value_or(std::string());
}

bool SaveSettings() {
    const RegistryKey key(HKEY_CURRENT_USER, kUserKey, KeyAccess::CreateToWrite);
    if (!key) return false;

    WriteDword(key.Get(), "DateFormat", static_cast<DWORD>(Program.DateFormat));

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(App.frame, &placement))
        WriteValue(key.Get(), "WindowPlacement", REG_BINARY, &placement, sizeof placement);

    WriteValue(key.Get(), "ShowStats", REG_BINARY, &Program.ShowStats, sizeof Program.ShowStats);

    // Without the list every width would read 0 and hide its column next time.
    if (IsWindow(App.transactionList)) {
        const int listDpi = WindowDpi(App.transactionList);
        for (int column = 0; column < kTransactionListColumnCount; ++column)
            WriteDword(key.Get(), ColumnWidthName(column).c_str(),
                       static_cast<DWORD>(UnitsAt96(ListView_GetColumnWidth(App.transactionList, column), listDpi)));
    }

    WriteDword(key.Get(), "SortDate", static_cast<DWORD>(Program.SortDate));
    WriteDword(key.Get(), "KeepDatedCopies", Program.DatedCopies.keep ? 1 : 0);
    WriteDword(key.Get(), "DatedCopiesToKeep", static_cast<DWORD>(Program.DatedCopies.count));
    const std::string& folder = Program.DatedCopies.folder;
    WriteValue(key.Get(), "DatedCopyFolder", REG_SZ, folder.c_str(), folder.size() + 1);
    WriteValue(key.Get(), "LastFile", REG_SZ, Program.currentFile.c_str(), Program.currentFile.size() + 1);
    return true;
}

std::vector<CsvProfile> ReadStatementProfiles() {
    std::vector<CsvProfile> profiles;
    const RegistryKey key(HKEY_CURRENT_USER, kProfilesKey, KeyAccess::ReadExisting);
    if (!key) return profiles;
    for (DWORD index = 0;; ++index) {
        char name[256];
        char text[1024];
        DWORD nameLength = sizeof name, textSize = sizeof text - 1, type = REG_NONE;
        const LSTATUS status = RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(text), &textSize);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;
        text[textSize] = '\0';
        const std::string profileText(text, strnlen(text, textSize));
        if (CsvMappingOfProfile(profileText)) profiles.push_back({name, profileText});
    }
    return profiles;
}

void SaveStatementProfile(const CsvProfile& profile) {
    const RegistryKey key(HKEY_CURRENT_USER, kProfilesKey, KeyAccess::CreateToWrite);
    if (key) WriteValue(key.Get(), profile.name.c_str(), REG_SZ, profile.text.c_str(), profile.text.size() + 1);
}
