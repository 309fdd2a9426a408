#pragma once
// What the Password and Enter password dialogs check and change.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/file/encrypted_file.h"
#include "model/rule_outcome.h"
#include "model/text_field.h"

// A password box is read as its first 30 characters (the stored password's capacity);
// the box itself takes any length.
inline constexpr std::size_t kPasswordFieldLength = Text31::kCapacity;

// The text a password box gives: its first 30 characters, held in a fixed
// field rather than on the heap.
Text31 PasswordFieldText(std::string_view typed);

// The Password dialog asks for the current password only when there is one;
// otherwise that box is disabled and the new password box comes first.
bool AsksForCurrentPassword(const Text31& password);

// An OK in the Password dialog with the three boxes' texts as typed (a disabled
// box gives ""). The current text must be the password exactly (case counts),
// and the new text its verification; then the new text replaces `password`,
// with a notice when that removed a password. A refused change leaves
// `password` as it was and sends the focus back to the current or the new box.
RuleOutcome ChangePassword(Text31& password, std::string_view current, std::string_view newText,
                           std::string_view verify);

// An OK in the Password dialog with its encryption box `encrypt`: the checks
// and the change of ChangePassword, then the file's protection. Ticked, the
// file gets a key of its own for the new password (which costs the key
// derivation) unless it has one for it already; unticked, it is plain. Ticked
// with no password to encrypt with, it is refused with "Enter a password to
// encrypt the file." and nothing changes.
RuleOutcome ChangePasswordAndProtection(Text31& password, FileProtection& protection, std::string_view current,
                                        std::string_view newText, std::string_view verify, bool encrypt,
                                        std::uint32_t iterations = kNewKeyIterations);

// Whether a text typed (its first 30 characters) is the password of a plain
// file, `expected`, exactly.
bool IsOpeningPassword(const Text31& expected, std::string_view typed);

// An OK in the Enter password dialog: accepted when the text typed opens the
// file (it is the password of a plain file, or the key of an encrypted one);
// otherwise "Password is incorrect." and the box's text selected for another try.
RuleOutcome CheckOpeningPassword(bool opens);
