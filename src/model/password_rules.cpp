#include "model/password_rules.h"

namespace {

using Result = PasswordOutcome::Result;
using Icon = MessageIcon;

PasswordOutcome Refusal(Result result, const char* message, PasswordField focus) {
    return {result, message, Icon::Exclamation, focus};
}

}  // namespace

std::string PasswordFieldText(std::string_view typed) {
    return std::string(typed.substr(0, kPasswordFieldLength));
}

bool AsksForCurrentPassword(const Text31& password) { return !password.empty(); }

PasswordOutcome ChangePassword(Text31& password, std::string_view current, std::string_view newText,
                               std::string_view verify) {
    const std::string currentText = PasswordFieldText(current);
    if (currentText != password.view())
        return Refusal(Result::Incorrect, kPasswordIncorrectMessage, PasswordField::Current);

    const std::string newPassword = PasswordFieldText(newText);
    if (newPassword != PasswordFieldText(verify))
        return Refusal(Result::Mismatch, kPasswordsDoNotMatchMessage, PasswordField::New);

    password.Set(newPassword);
    if (newPassword.empty() && !currentText.empty())
        return {Result::Cleared, kPasswordClearedMessage, Icon::Information, PasswordField::None};
    return {Result::Set, nullptr, Icon::None, PasswordField::None};
}

PasswordOutcome CheckOpeningPassword(const Text31& expected, std::string_view typed) {
    if (PasswordFieldText(typed) != expected.view())
        return Refusal(Result::Incorrect, kPasswordIncorrectMessage, PasswordField::Opening);
    return {Result::Accepted, nullptr, Icon::None, PasswordField::None};
}
