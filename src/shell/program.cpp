#include "shell/program.h"

ProgramValues Program;
MainWindowHandles App;

namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return MB_ICONSTOP;
    case MessageIcon::Exclamation:
        return MB_ICONEXCLAMATION;
    case MessageIcon::Question:
        return MB_ICONQUESTION;
    case MessageIcon::Information:
        return MB_ICONINFORMATION;
    case MessageIcon::None:
        break;
    }
    return 0;
}

}  // namespace

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int ShowMessage(const Message& message, HWND owner) {
    const UINT style = (message.asksYesNo ? MB_YESNO : MB_OK) | IconStyle(message.icon);
    return MessageBoxA(owner != nullptr ? owner : App.frame, message.text, kProgramName, style);
}
