#include "shell/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include "model/program_values.h"

std::string ChooseFileToOpen(HWND owner, const char* filter, const char* title) {
    char path[kMaxPathLength + 1] = {};
    OPENFILENAMEA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpstrFilter = filter;
    choice.lpstrFile = path;
    choice.nMaxFile = sizeof path;
    choice.lpstrTitle = title;
    choice.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&choice) ? std::string(path) : std::string();
}

std::string ChooseCsvFileToSave(HWND owner, bool& semicolon) {
    char path[kMaxPathLength + 1] = {};
    OPENFILENAMEA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpstrFilter = "CSV, comma-separated (*.csv)\0*.csv\0CSV, semicolon-separated (*.csv)\0*.csv\0";
    choice.nFilterIndex = 1;
    choice.lpstrFile = path;
    choice.nMaxFile = sizeof path;
    choice.lpstrTitle = "Export";
    choice.lpstrDefExt = "csv";
    choice.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&choice)) return std::string();
    semicolon = choice.nFilterIndex == 2;
    return path;
}

std::string ChooseFolder(HWND owner, const char* title) {
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST folder = SHBrowseForFolderA(&browse);
    if (folder == nullptr) return {};
    char path[MAX_PATH] = {};
    const bool hasPath = SHGetPathFromIDListA(folder, path);
    CoTaskMemFree(folder);  // the shell's allocator
    return hasPath ? std::string(path) : std::string();
}
