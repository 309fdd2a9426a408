#include "dialogs/dialog_controls.h"

#include "app/main_window.h"

std::string ControlText(HWND dialog, int control) {
    HWND box = GetDlgItem(dialog, control);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

int ShowRuleMessage(HWND owner, const char* text, MessageIcon icon, UINT buttons) {
    UINT style = buttons;
    switch (icon) {
    case MessageIcon::Stop:
        style |= MB_ICONSTOP;
        break;
    case MessageIcon::Exclamation:
        style |= MB_ICONEXCLAMATION;
        break;
    case MessageIcon::Question:
        style |= MB_ICONQUESTION;
        break;
    case MessageIcon::Information:
        style |= MB_ICONINFORMATION;
        break;
    case MessageIcon::None:
        break;
    }
    return ShowMessage(text, style, owner);
}

void FocusWithTextSelected(HWND dialog, int control) {
    HWND box = GetDlgItem(dialog, control);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageA(box, EM_SETSEL, 0, -1);
}
