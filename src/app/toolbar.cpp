#include "app/toolbar.h"

#include <windows.h>
#include <commctrl.h>

#include <iterator>

#include "resources/resource.h"
#include "shell/program.h"
#include "shell/scaled_pictures.h"

namespace {

struct ToolbarButton {
    const char* text;  // nullptr for a separator
    int image;
    int command;
    const char* tooltip;
};

constexpr ToolbarButton kButtons[] = {
    {"New", 0, IDM_NEW_TRANSACTION, "Add a new transaction"},
    {"Edit", 1, IDM_EDIT_TRANSACTION, "Edit selected transaction"},
    {"Delete", 2, IDM_DELETE_TRANSACTION, "Delete selected transaction"},
    {nullptr, 0, 0, nullptr},
    {"Accounts", 3, IDM_ACCOUNTS, "Account list"},
    {"Bills && Deposits", 4, IDM_BILLS_DEPOSITS, "Bills &&& Deposits list"},
    {"Categories", 5, IDM_CATEGORIES, "Category list"},
};
constexpr int kImageCount = 6;

// At 100 %, the strip for palette screens when the display reports a colour
// count, the richer one otherwise; the larger drawings have the richer
// colours only, as no palette screen has such a DPI.
ScaledBitmap ToolbarImages() {
    ScreenDC screen;
    const int at100 = GetDeviceCaps(screen.Get(), NUMCOLORS) != -1 ? IDB_TOOLBAR_PALETTE : IDB_TOOLBAR;
    return {at100, IDB_TOOLBAR_24, IDB_TOOLBAR_32};
}

}  // namespace

bool CreateMainToolbar() {
    App.toolbarImages = LoadScaledBitmap(ToolbarImages(), App.frameDpi, LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT);
    if (!App.toolbarImages) return false;
    App.toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                  WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS, 0, 0, 0,
                                  0, App.frame, nullptr, App.instance, nullptr);
    if (App.toolbar == nullptr) {
        App.toolbarImages.Reset();
        return false;
    }
    SendMessageA(App.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const int imageSize = SmallPictureSide(App.frameDpi);
    SendMessageA(App.toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize, imageSize));
    TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(App.toolbarImages.Get())};
    SendMessageA(App.toolbar, TB_ADDBITMAP, kImageCount, reinterpret_cast<LPARAM>(&images));

    TBBUTTON buttons[std::size(kButtons)] = {};
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const ToolbarButton& button = kButtons[i];
        if (button.text == nullptr) {
            buttons[i].fsStyle = BTNS_SEP;
            continue;
        }
        buttons[i].iBitmap = button.image;
        buttons[i].idCommand = button.command;
        buttons[i].fsState = 0;  // disabled until a file is open
        buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        buttons[i].iString = reinterpret_cast<INT_PTR>(button.text);
    }
    SendMessageA(App.toolbar, TB_ADDBUTTONSA, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageA(App.toolbar, TB_AUTOSIZE, 0, 0);
    return true;
}

bool RescaleMainToolbar() {
    bool enabled[std::size(kButtons)] = {};
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        enabled[i] = App.toolbar != nullptr && kButtons[i].text != nullptr &&
                     SendMessageA(App.toolbar, TB_ISBUTTONENABLED, kButtons[i].command, 0);
    // A toolbar's image size is fixed once it has images: a new one takes the new size.
    if (App.toolbar != nullptr) DestroyWindow(App.toolbar);
    App.toolbar = nullptr;
    if (!CreateMainToolbar()) return false;
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        if (kButtons[i].text != nullptr) SendMessageA(App.toolbar, TB_ENABLEBUTTON, kButtons[i].command, enabled[i]);
    return true;
}

const char* ToolbarTooltip(int command) {
    for (const ToolbarButton& button : kButtons)
        if (button.text != nullptr && button.command == command) return button.tooltip;
    return nullptr;
}
