#include "model/rules/password_rules.h"

#include "resources/resource.h"

std::string PasswordFieldText(std::string_view typed) {
    return std::string(typed.substr(0, kPasswordFieldLength));
}

bool AsksForCurrentPassword(const Text31& password) { return !password.empty(); }

RuleOutcome ChangePassword(Text31& password, std::string_view current, std::string_view newText,
                           std::string_view verify) {
    const std::string currentText = PasswordFieldText(current);
    if (currentText != password.view()) return Refused(kPasswordIncorrect, IDC_CURRENT_PASSWORD);

    const std::string newPassword = PasswordFieldText(newText);
    if (newPassword != PasswordFieldText(verify)) return Refused(kPasswordsDoNotMatch, IDC_NEW_PASSWORD);

    password.Set(newPassword);
    return Accepted(newPassword.empty() && !currentText.empty() ? &kPasswordCleared : nullptr);
}

RuleOutcome CheckOpeningPassword(const Text31& expected, std::string_view typed) {
    if (PasswordFieldText(typed) != expected.view()) return Refused(kPasswordIncorrect, IDC_OPENING_PASSWORD);
    return Accepted();
}
