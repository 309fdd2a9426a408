// The password rules: how the boxes are read, the checks of both dialogs,
// their messages and focus, and what becomes the file's password.

#include <gtest/gtest.h>

#include <string>

#include "model/password_rules.h"

namespace {

using Result = PasswordOutcome::Result;
using Icon = MessageIcon;

const std::string kThirty = "abcdefghijklmnopqrstuvwxyz0123";  // 30 characters
const std::string kForty = kThirty + "456789ABCD";

void ExpectRefused(const PasswordOutcome& outcome, Result result, const char* message, PasswordField focus) {
    EXPECT_EQ(outcome.result, result);
    ASSERT_NE(outcome.message, nullptr);
    EXPECT_STREQ(outcome.message, message);
    EXPECT_EQ(outcome.icon, Icon::Exclamation);
    EXPECT_EQ(outcome.focus, focus);
    EXPECT_FALSE(outcome.Closes());
}

void ExpectClosedSilently(const PasswordOutcome& outcome, Result result) {
    EXPECT_EQ(outcome.result, result);
    EXPECT_EQ(outcome.message, nullptr);
    EXPECT_EQ(outcome.icon, Icon::None);
    EXPECT_EQ(outcome.focus, PasswordField::None);
    EXPECT_TRUE(outcome.Closes());
}

}  // namespace

TEST(PasswordRules, FieldTextIsTheFirstThirtyCharacters) {
    EXPECT_EQ(kPasswordFieldLength, 30u);
    EXPECT_EQ(PasswordFieldText(""), "");
    EXPECT_EQ(PasswordFieldText("Secret"), "Secret");
    EXPECT_EQ(PasswordFieldText(kThirty), kThirty);
    EXPECT_EQ(PasswordFieldText(kThirty + "x"), kThirty);
    EXPECT_EQ(PasswordFieldText(kForty), kThirty);
    EXPECT_EQ(PasswordFieldText(" spaces count "), " spaces count ");
}

TEST(PasswordRules, CurrentPasswordIsAskedOnlyWhenThereIsOne) {
    EXPECT_FALSE(AsksForCurrentPassword(Text31()));
    EXPECT_FALSE(AsksForCurrentPassword(Text31("")));
    EXPECT_TRUE(AsksForCurrentPassword(Text31("x")));
    EXPECT_TRUE(AsksForCurrentPassword(Text31(" ")));
}

TEST(PasswordRules, WrongCurrentPasswordIsRefusedAndChangesNothing) {
    struct Case {
        const char* stored;
        const char* current;
    };
    for (Case c : {Case{"Secret", "secret"}, Case{"Secret", "SECRET"}, Case{"Secret", ""}, Case{"Secret", "Secre"},
                   Case{"Secret", "Secret "}, Case{"Secret", " Secret"}, Case{"", "anything"}, Case{"", " "}}) {
        Text31 password(c.stored);
        const Text31 before = password;
        const PasswordOutcome outcome = ChangePassword(password, c.current, "New", "New");
        SCOPED_TRACE(std::string(c.stored) + " / " + c.current);
        ExpectRefused(outcome, Result::Incorrect, "Password is incorrect.", PasswordField::Current);
        EXPECT_EQ(password, before);
    }
}

TEST(PasswordRules, CurrentPasswordIsCheckedBeforeTheNewOnes) {
    Text31 password("Secret");
    ExpectRefused(ChangePassword(password, "wrong", "one", "two"), Result::Incorrect, kPasswordIncorrectMessage,
                  PasswordField::Current);
    EXPECT_EQ(password.view(), "Secret");
}

TEST(PasswordRules, DifferingNewPasswordsAreRefusedAndChangeNothing) {
    struct Case {
        const char* stored;
        const char* newText;
        const char* verify;
    };
    for (Case c : {Case{"", "abc", "ABC"}, Case{"", "abc", ""}, Case{"", "", "abc"}, Case{"Secret", "abc", "abcd"},
                   Case{"Secret", "abc", "abc "}, Case{"Secret", "", "x"}}) {
        Text31 password(c.stored);
        const Text31 before = password;
        const PasswordOutcome outcome = ChangePassword(password, c.stored, c.newText, c.verify);
        SCOPED_TRACE(std::string(c.newText) + " / " + c.verify);
        ExpectRefused(outcome, Result::Mismatch, "Passwords do not match.", PasswordField::New);
        EXPECT_EQ(password, before);
    }
}

TEST(PasswordRules, NoPasswordAndEmptyNewOnesLeavesItEmptyWithoutMessage) {
    Text31 password;
    ExpectClosedSilently(ChangePassword(password, "", "", ""), Result::Set);
    EXPECT_TRUE(password.empty());
}

TEST(PasswordRules, EqualNewPasswordsBecomeThePasswordWithoutMessage) {
    struct Case {
        const char* stored;
        const char* newText;
    };
    for (Case c : {Case{"", "Secret"}, Case{"Secret", "Other"}, Case{"Secret", "Secret"}, Case{"Secret", "secret"},
                   Case{"a much longer old password", "short"}}) {
        Text31 password(c.stored);
        SCOPED_TRACE(std::string(c.stored) + " -> " + c.newText);
        ExpectClosedSilently(ChangePassword(password, c.stored, c.newText, c.newText), Result::Set);
        // Compared as the whole array: the bytes after the text are zero.
        EXPECT_EQ(password, Text31(c.newText));
        EXPECT_EQ(password.view(), c.newText);
    }
}

TEST(PasswordRules, EmptyNewPasswordsClearAnExistingOneWithANotice) {
    Text31 password("Secret");
    const PasswordOutcome outcome = ChangePassword(password, "Secret", "", "");
    EXPECT_EQ(outcome.result, Result::Cleared);
    ASSERT_NE(outcome.message, nullptr);
    EXPECT_STREQ(outcome.message, "Password cleared.");
    EXPECT_EQ(outcome.icon, Icon::Information);
    EXPECT_EQ(outcome.focus, PasswordField::None);
    EXPECT_TRUE(outcome.Closes());
    EXPECT_TRUE(password.empty());
    EXPECT_EQ(password, Text31());
}

TEST(PasswordRules, LongTextsCountOnlyByTheirFirstThirtyCharacters) {
    // A long new password is stored as its first 30 characters.
    Text31 password;
    ExpectClosedSilently(ChangePassword(password, "", kForty, kForty), Result::Set);
    EXPECT_EQ(password.view(), kThirty);

    // Typing it the same long way again is the right current password.
    ExpectClosedSilently(ChangePassword(password, kForty, "next", "next"), Result::Set);
    EXPECT_EQ(password.view(), "next");

    // New texts that differ only after the 30th character match.
    password = Text31();
    ExpectClosedSilently(ChangePassword(password, "", kThirty + "one", kThirty + "two"), Result::Set);
    EXPECT_EQ(password.view(), kThirty);

    // A difference within the first 30 characters still counts.
    std::string other = kForty;
    other[29] = '#';
    ExpectRefused(ChangePassword(password, kThirty, kForty, other), Result::Mismatch, kPasswordsDoNotMatchMessage,
                  PasswordField::New);
    other = kThirty;
    other[0] = 'A';
    ExpectRefused(ChangePassword(password, other, "", ""), Result::Incorrect, kPasswordIncorrectMessage,
                  PasswordField::Current);
    EXPECT_EQ(password.view(), kThirty);
}

TEST(PasswordRules, OpeningPasswordMustMatchExactly) {
    struct Case {
        const char* expected;
        std::string typed;
        bool accepted;
    };
    for (const Case& c : {Case{"Secret", "Secret", true}, Case{"Secret", "secret", false},
                          Case{"Secret", "SECRET", false}, Case{"Secret", "", false}, Case{"Secret", "Secret ", false},
                          Case{"Secret", "Secre", false}, Case{"", "", true}, Case{"", "x", false},
                          Case{kThirty.c_str(), kThirty, true}, Case{kThirty.c_str(), kForty, true},
                          Case{kThirty.c_str(), kThirty.substr(0, 29), false}}) {
        SCOPED_TRACE(std::string(c.expected) + " / " + c.typed);
        const PasswordOutcome outcome = CheckOpeningPassword(Text31(c.expected), c.typed);
        if (c.accepted)
            ExpectClosedSilently(outcome, Result::Accepted);
        else
            ExpectRefused(outcome, Result::Incorrect, "Password is incorrect.", PasswordField::Opening);
    }
}

TEST(PasswordRules, AStoredLongPasswordIsOpenedByTheSameLongText) {
    // What the Password dialog stored from a long text, the Enter password dialog accepts from it.
    Text31 password;
    ChangePassword(password, "", kForty, kForty);
    EXPECT_TRUE(CheckOpeningPassword(password, kForty).Closes());
    EXPECT_FALSE(CheckOpeningPassword(password, kForty.substr(0, 29)).Closes());
}
