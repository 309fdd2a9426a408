#include "dialogs/file/enter_password_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/rules/password_rules.h"
#include "resources/resource.h"
#include "shell/win32_handles.h"

namespace {

using Opens = std::function<bool(std::string_view)>;

// Any number of tries: a refusal only selects the text for the next one.
void OnOk(HWND dialog) {
    const Opens& opens = DialogContext<const Opens>(dialog);
    bool opened = false;
    {
        WaitCursor wait;
        opened = opens(PasswordBoxText(dialog, IDC_OPENING_PASSWORD).view());
    }
    ApplyOutcome(dialog, CheckOpeningPassword(opened));
}

}  // namespace

INT_PTR ShowEnterPasswordDialog(HWND owner, const Text31& password) {
    return ShowEnterPasswordDialog(owner, [&password](std::string_view typed) { return IsOpeningPassword(password, typed); });
}

INT_PTR ShowEnterPasswordDialog(HWND owner, const Opens& opens) {
    // The dialog manager puts the focus in the box.
    return RunDialog(owner, IDD_ENTER_PASSWORD, {.ok = OnOk}, const_cast<Opens*>(&opens));
}

std::optional<UnlockedFile> AskFilePassword(HWND owner, const EnvelopeHeader& header) {
    std::optional<UnlockedFile> unlocked;
    const auto opens = [&](std::string_view typed) {
        std::optional<FileProtection> protection = UnlockEnvelope(header, typed);
        if (protection) unlocked = UnlockedFile{std::move(*protection), Text31(typed)};
        return unlocked.has_value();
    };
    if (ShowEnterPasswordDialog(owner, opens) != IDOK) return std::nullopt;
    return unlocked;
}
