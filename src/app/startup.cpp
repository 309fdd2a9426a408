#include "app/startup.h"

#include <commctrl.h>

#include <array>
#include <future>
#include <string>

#include "app/file_commands.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/toolbar.h"
#include "model/case_folding.h"
#include "model/tables/dpi_scaling.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "shell/window_dpi.h"
#include "views/stats_panel.h"
#include "views/transaction_list.h"

namespace {

// The frame's first size, at 96 DPI.
constexpr int kFrameWidth = 640;
constexpr int kFrameHeight = 480;

bool CreateFrame() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = App.instance;
    windowClass.hIcon = LoadIconA(App.instance, MAKEINTRESOURCEA(IDI_PENNYWHIST));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN_MENU);
    windowClass.lpszClassName = kMainWindowClass;
    if (RegisterClassA(&windowClass) == 0) return false;
    App.frame = CreateWindowExA(0, kMainWindowClass, kProgramName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                kFrameWidth, kFrameHeight, nullptr, nullptr, App.instance, nullptr);
    if (App.frame == nullptr) {
        UnregisterClassA(kMainWindowClass, App.instance);
        return false;
    }
    // The DPI is the frame's monitor's, known only once the frame exists.
    App.frameDpi = WindowDpi(App.frame);
    SetWindowPos(App.frame, nullptr, 0, 0, ScaledForDpi(kFrameWidth, App.frameDpi),
                 ScaledForDpi(kFrameHeight, App.frameDpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetFrameIcons();
    return true;
}

HMENU CreateListPopup() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return nullptr;
    // Grey like the Edit menu's items until an account is shown.
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_NEW_TRANSACTION, "&New Transaction...");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_EDIT_TRANSACTION, "&Edit Transaction...");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_DELETE_TRANSACTION, "&Delete Transaction");
    return menu;
}

// The file to open at start-up: the one named on the command line or,
// without one, the last file.
struct StartFile {
    std::string path;
    bool named = false;
};

StartFile ChooseStartFile(const char* commandLine) {
    std::string path = commandLine != nullptr ? commandLine : "";
    const std::size_t first = path.find_first_not_of(" \t");
    path = first == std::string::npos ? "" : path.substr(first, path.find_last_not_of(" \t") - first + 1);
    if (!path.empty()) return {path, true};
    return {ReadLastFile(), false};
}

// A command line that cannot be opened is reported; a last file that cannot
// be opened is forgotten silently, unless another window has it open.
void OpenStartFile(StartFile start, std::future<LoadedDocument>& reading) {
    const int result = OpenDataFile(start.path, reading);
    if (result == OpenedFile) {
        ShowOpenedFile(start.path);
        return;
    }
    if (result == OpenInOtherWindow)
        ShowMessage(kFileOpenInAnotherWindow);
    else if (start.named && result != OpenCancelled)
        ShowMessage(kErrorOpeningFile);
    Program.currentFile.clear();
}

// Names are compared folded as the system folds the letters of its code page.
void UseSystemCaseFolding() {
    std::array<unsigned char, 256> lower;
    for (int c = 0; c < 256; ++c) {
        char letter = static_cast<char>(c);
        CharLowerBuffA(&letter, 1);
        lower[c] = static_cast<unsigned char>(letter);
    }
    SetCaseFolding(lower);
}

}  // namespace

bool StartPennywhist(HINSTANCE instance, const char* commandLine) {
    Program = ProgramValues{};
    App.instance = instance;
    App.com = ComApartment::Enter();
    UseSystemCaseFolding();

    // A large file takes a while to read; that happens while the window is made.
    const StartFile start = ChooseStartFile(commandLine);
    std::future<LoadedDocument> reading;
    if (!start.path.empty()) reading = ReadDataFileInBackground(start.path);

    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_DATE_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        ShowMessage(kErrorInitializingControls);
        App.com = ComApartment();
        return false;
    }

    App.accelerators.Reset(LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN)));
    if (!App.accelerators) ShowMessage(kErrorLoadingAccelerators);

    if (!CreateFrame()) {
        ShowMessage(kErrorCreatingWindow);
        App.accelerators.Reset();
        App.com = ComApartment();
        return false;
    }

    if (!CreateMainToolbar()) ShowMessage(kErrorCreatingToolbar);

    if (!CreateTransactionList()) {
        ShowMessage(kErrorCreatingList);
        DestroyWindow(App.frame);
        FinishPennywhist();
        return false;
    }

    Program.SortDate = kSortUnsorted;

    FollowAccount(Program.document, Program.CurrentAccountIndex);
    if (!CreateStatsPanel()) ShowMessage(kErrorCreatingStats);

    App.listPopup.Reset(CreateListPopup());
    if (!App.listPopup) ShowMessage(kErrorCreatingPopup);

    if (!LoadSettings()) ShowWindow(App.frame, SW_SHOWNORMAL);
    UpdateWindow(App.frame);
    ShowDateSortImage();

    if (reading.valid()) OpenStartFile(start, reading);
    return true;
}

void HandleLoopMessage(MSG& message) {
    if (App.accelerators && TranslateAcceleratorA(App.frame, App.accelerators.Get(), &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int RunMessageLoop() {
    MSG message;
    BOOL result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (result == -1) return 0;
        HandleLoopMessage(message);
    }
    return static_cast<int>(message.wParam);
}

void FinishPennywhist() {
    if (App.frame != nullptr && IsWindow(App.frame)) DestroyWindow(App.frame);
    // A frame destroyed outside the loop leaves its quit message behind.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    UnregisterClassA(kMainWindowClass, App.instance);
    App = MainWindowHandles{};
    Program = ProgramValues{};
}
