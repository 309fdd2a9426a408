// The password rules: the checks of both dialogs, their messages, icons and
// focus, and what becomes the file's password.

#include <gtest/gtest.h>

#include <string>

#include "model/password_rules.h"

namespace {

using Result = PasswordOutcome::Result;
using Icon = MessageIcon;
using Field = PasswordField;

const PasswordOutcome kIncorrect{Result::Incorrect, "Password is incorrect.", Icon::Exclamation, Field::Current};
const PasswordOutcome kMismatch{Result::Mismatch, "Passwords do not match.", Icon::Exclamation, Field::New};
const PasswordOutcome kSet{Result::Set, nullptr, Icon::None, Field::None};
const PasswordOutcome kCleared{Result::Cleared, "Password cleared.", Icon::Information, Field::None};

void ExpectOutcome(const PasswordOutcome& outcome, const PasswordOutcome& expected) {
    EXPECT_EQ(outcome.result, expected.result);
    EXPECT_STREQ(outcome.message, expected.message);
    EXPECT_EQ(outcome.icon, expected.icon);
    EXPECT_EQ(outcome.focus, expected.focus);
    EXPECT_EQ(outcome.Closes(), expected.focus == Field::None);
}

const std::string kThirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
const std::string kForty = kThirty + "456789ABCD";

}  // namespace

TEST(PasswordRules, CurrentPasswordIsAskedOnlyWhenThereIsOne) {
    EXPECT_FALSE(AsksForCurrentPassword(Text31()));
    EXPECT_TRUE(AsksForCurrentPassword(Text31(" ")));
}

TEST(PasswordRules, ChangeChecksTheCurrentThenTheNewOnesThenSetsOrClears) {
    struct Case {
        std::string stored, current, newText, verify;
        PasswordOutcome outcome;
        std::string after;
    };
    const Case cases[] = {
        // The current password exactly, case and all; a refusal changes nothing.
        {"Secret", "secret", "New", "New", kIncorrect, "Secret"},
        {"Secret", "SECRET", "New", "New", kIncorrect, "Secret"},
        {"Secret", "", "New", "New", kIncorrect, "Secret"},
        {"Secret", "Secret ", "New", "New", kIncorrect, "Secret"},
        {"", "x", "New", "New", kIncorrect, ""},
        {"Secret", "wrong", "one", "two", kIncorrect, "Secret"},  // checked before the new ones
        // The new password and its verification must be the same.
        {"", "", "abc", "ABC", kMismatch, ""},
        {"Secret", "Secret", "abc", "abc ", kMismatch, "Secret"},
        {"Secret", "Secret", "", "x", kMismatch, "Secret"},
        // Then the new text is the password; emptying an existing one is announced.
        {"", "", "Secret", "Secret", kSet, "Secret"},
        {"Secret", "Secret", "secret", "secret", kSet, "secret"},
        {"a much longer old password", "a much longer old password", "short", "short", kSet, "short"},
        {"", "", "", "", kSet, ""},
        {"Secret", "Secret", "", "", kCleared, ""},
        // Only the first 30 characters of each box count.
        {"", "", kForty, kForty, kSet, kThirty},
        {kThirty, kForty, "next", "next", kSet, "next"},
        {"", "", kThirty + "one", kThirty + "two", kSet, kThirty},
        {kThirty, kThirty, kForty, kThirty.substr(0, 29) + "#", kMismatch, kThirty},
        {kThirty, "A" + kThirty.substr(1), "", "", kIncorrect, kThirty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored + " / " + c.current + " / " + c.newText + " / " + c.verify);
        Text31 password(c.stored);
        ExpectOutcome(ChangePassword(password, c.current, c.newText, c.verify), c.outcome);
        EXPECT_EQ(password, Text31(c.after));  // the whole array: the bytes after the text are zero
    }
}

TEST(PasswordRules, OpeningPasswordMustMatchItsFirstThirtyCharacters) {
    const PasswordOutcome accepted{Result::Accepted, nullptr, Icon::None, Field::None};
    const PasswordOutcome refused{Result::Incorrect, "Password is incorrect.", Icon::Exclamation, Field::Opening};
    struct Case {
        std::string expected, typed;
        bool accepted;
    };
    for (const Case& c : {Case{"Secret", "Secret", true}, Case{"Secret", "secret", false}, Case{"Secret", "", false},
                          Case{"Secret", "Secret ", false}, Case{"", "", true}, Case{"", "x", false},
                          Case{kThirty, kForty, true}, Case{kThirty, kThirty.substr(0, 29), false}}) {
        SCOPED_TRACE(c.expected + " / " + c.typed);
        ExpectOutcome(CheckOpeningPassword(Text31(c.expected), c.typed), c.accepted ? accepted : refused);
    }
}
