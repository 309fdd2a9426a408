#include "model/rules/password_rules.h"

#include "resources/resource.h"

Text31 PasswordFieldText(std::string_view typed) { return Text31(typed.substr(0, kPasswordFieldLength)); }

bool AsksForCurrentPassword(const Text31& password) { return !password.empty(); }

RuleOutcome ChangePassword(Text31& password, std::string_view current, std::string_view newText,
                           std::string_view verify) {
    const Text31 currentText = PasswordFieldText(current);
    if (currentText != password) return Refused(kPasswordIncorrect, IDC_CURRENT_PASSWORD);

    const Text31 newPassword = PasswordFieldText(newText);
    if (newPassword != PasswordFieldText(verify)) return Refused(kPasswordsDoNotMatch, IDC_NEW_PASSWORD);

    password = newPassword;
    return Accepted(newPassword.empty() && !currentText.empty() ? &kPasswordCleared : nullptr);
}

RuleOutcome ChangePasswordAndProtection(Text31& password, FileProtection& protection, std::string_view current,
                                        std::string_view newText, std::string_view verify, bool encrypt,
                                        std::uint32_t iterations) {
    Text31 changed = password;
    RuleOutcome outcome = ChangePassword(changed, current, newText, verify);
    if (!outcome.Closes()) return outcome;
    if (!encrypt) {
        password = changed;
        protection = FileProtection();
        return outcome;
    }
    if (changed.empty()) return Refused(kEnterPasswordToEncrypt, IDC_NEW_PASSWORD);
    // The key is derived once per password, not at every save.
    if (!protection.encrypted || changed != password) {
        std::optional<FileProtection> made = ProtectionFor(changed.view(), iterations);
        if (!made) return Failed(kEncryptionUnavailable);
        protection = *made;
    }
    password = changed;
    return outcome;
}

bool IsOpeningPassword(const Text31& expected, std::string_view typed) {
    return PasswordFieldText(typed) == expected;
}

RuleOutcome CheckOpeningPassword(bool opens) {
    return opens ? Accepted() : Refused(kPasswordIncorrect, IDC_OPENING_PASSWORD);
}
