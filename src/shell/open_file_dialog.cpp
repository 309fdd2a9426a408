#include "shell/open_file_dialog.h"

#include <commdlg.h>

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
