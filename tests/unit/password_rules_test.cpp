// The password rules: the checks of both dialogs, what they say, where the
// focus goes, and what becomes the file's password.

#include "model/password_rules.h"
#include "test_files.h"

namespace {

const RuleOutcome kIncorrect = StaysOpen(&kPasswordIncorrect, IDC_CURRENT_PASSWORD);
const RuleOutcome kMismatch = StaysOpen(&kPasswordsDoNotMatch, IDC_NEW_PASSWORD);
const RuleOutcome kSet = Ends(DialogEnd::Changed);
const RuleOutcome kCleared = Ends(DialogEnd::Changed, &kPasswordCleared);

const std::string kThirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
const std::string kForty = kThirty + "456789ABCD";

}  // namespace

TEST(PasswordRules, ChangeChecksTheCurrentThenTheNewOnesThenSetsOrClears) {
    const struct { std::string stored, current, newText, verify; RuleOutcome outcome; std::string after; } cases[] = {
        // The current password exactly, case and all; a refusal changes nothing.
        {"Secret", "secret", "New", "New", kIncorrect, "Secret"}, {"Secret", "", "New", "New", kIncorrect, "Secret"},
        {"Secret", "Secret ", "New", "New", kIncorrect, "Secret"}, {"", "x", "New", "New", kIncorrect, ""},
        {"Secret", "wrong", "one", "two", kIncorrect, "Secret"},  // checked before the new ones
        // The new password and its verification must be the same.
        {"", "", "abc", "ABC", kMismatch, ""}, {"Secret", "Secret", "", "x", kMismatch, "Secret"},
        // Then the new text is the password; only removing one is announced.
        {"", "", "Secret", "Secret", kSet, "Secret"}, {"", "", "", "", kSet, ""},
        {"a much longer old password", "a much longer old password", "short", "short", kSet, "short"},
        {"Secret", "Secret", "", "", kCleared, ""},
        // Only the first 30 characters of each box count.
        {"", "", kForty, kForty, kSet, kThirty}, {kThirty, kForty, "next", "next", kSet, "next"},
        {"", "", kThirty + "one", kThirty + "two", kSet, kThirty},
        {kThirty, "A" + kThirty.substr(1), "", "", kIncorrect, kThirty},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored + " / " + c.current + " / " + c.newText + " / " + c.verify);
        Text31 password(c.stored);
        EXPECT_EQ(ChangePassword(password, c.current, c.newText, c.verify), c.outcome);
        EXPECT_EQ(password, Text31(c.after));  // the whole array: the bytes after the text are zero
    }
}

TEST(PasswordRules, OpeningPasswordMustMatchItsFirstThirtyCharacters) {
    const struct { std::string expected, typed; bool accepted; } cases[] = {
        {"Secret", "Secret", true}, {"Secret", "secret", false}, {"Secret", "", false},
        {"Secret", "Secret ", false}, {"", "", true}, {"", "x", false},
        {kThirty, kForty, true}, {kThirty, kThirty.substr(0, 29), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckOpeningPassword(Text31(c.expected), c.typed),
                  c.accepted ? Ends(DialogEnd::Changed) : StaysOpen(&kPasswordIncorrect, IDC_OPENING_PASSWORD))
            << c.expected << " / " << c.typed;
}
