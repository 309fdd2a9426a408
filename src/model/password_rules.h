#pragma once
// What the Password and Enter password dialogs check, say and change.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/message_icon.h"
#include "model/text_field.h"

// A password box is read as its first 30 characters (the stored password's capacity);
// the box itself takes any length.
inline constexpr std::size_t kPasswordFieldLength = Text31::kCapacity;

inline constexpr char kPasswordIncorrectMessage[] = "Password is incorrect.";
inline constexpr char kPasswordsDoNotMatchMessage[] = "Passwords do not match.";
inline constexpr char kPasswordClearedMessage[] = "Password cleared.";

// The password boxes of the two dialogs.
enum class PasswordField { None, Current, New, Opening };

// What an OK in one of the dialogs leads to: a message first (when there is
// one), then either the dialog closes with 1 or the focus goes to a box with
// its whole text selected and the dialog stays open.
struct PasswordOutcome {
    enum class Result {
        Incorrect,  // the current (or opening) password typed is wrong
        Mismatch,   // the new password and its verification differ
        Set,        // the new text is the password (empty when there was none)
        Cleared,    // a password was removed
        Accepted,   // the opening password is right
    };
    Result result;
    const char* message;  // nullptr when nothing is shown
    MessageIcon icon;     // None only without a message
    PasswordField focus;  // None when the dialog closes

    bool Closes() const { return focus == PasswordField::None; }
};

// The text a password box gives: its first 30 characters.
std::string PasswordFieldText(std::string_view typed);

// The Password dialog asks for the current password only when there is one;
// otherwise that box is disabled and the new password box comes first.
bool AsksForCurrentPassword(const Text31& password);

// An OK in the Password dialog with the three boxes' texts as typed (a disabled
// box gives ""). The current text must be the password exactly (case counts),
// and the new text its verification; then the new text replaces `password`.
// A refused change leaves `password` as it was.
PasswordOutcome ChangePassword(Text31& password, std::string_view current, std::string_view newText,
                               std::string_view verify);

// An OK in the Enter password dialog: accepted only when the typed text (its
// first 30 characters) is the expected password exactly.
PasswordOutcome CheckOpeningPassword(const Text31& expected, std::string_view typed);
