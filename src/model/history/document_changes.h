#pragma once
// The steps of the document's changes beyond single transactions (those are
// in history.h): each is made by the change or right after it, and keeps
// only what the change touched.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/history/history.h"

// Everything of a document but the accounts' transactions, bank ids and
// marks: small, so that a step can keep it whole before and after a change
// to the password, the categories' names, the bills/deposits or an
// account's details.
struct DocumentHeads {
    struct AccountHead {
        std::int32_t type;
        Text31 name, comment, accountNumber;
        Text101 contactInfo;
        double creditLimit;
        std::optional<StatementClosing> lastStatement;

        friend bool operator==(const AccountHead&, const AccountHead&) = default;
    };
    Text31 password;
    FileProtection protection;  // changes with the password
    std::vector<Text31> categories;
    std::vector<BillDeposit> billDeposits;
    std::vector<AccountHead> accounts;

    friend bool operator==(const DocumentHeads&, const DocumentHeads&) = default;
};
DocumentHeads HeadsOf(const Document& document);

// The change from `before` to the document's heads now, for a change that
// kept the accounts (their number) and their transactions.
Step HeadsStep(std::string name, DocumentHeads before, const Document& document);

// The account just appended (with its opening entry).
Step AddedAccountStep(const Document& document, std::string name);

// Deletes account k as Document::DeleteAccount does; std::nullopt, with
// nothing changed, when memory runs out. Its undo puts back the account
// (moved, not copied), its bills/deposits and the references to it.
std::optional<Step> DeleteAccount(Document& document, std::int32_t k, std::int32_t& currentAccountIndex);

// Deletes category k as Document::DeleteCategory does; std::nullopt, with
// nothing changed, when memory runs out. The step keeps the positions of
// the references that used it.
std::optional<Step> DeleteCategory(Document& document, std::int32_t k);

// An account as it was before a change that appended transactions (with
// bank ids), changed marks or its last statement balance: a statement
// import, a reconciliation.
struct AccountBefore {
    std::int32_t account = -1;
    std::int32_t transactionCount = 0;
    std::size_t bankIdCount = 0;
    std::vector<std::uint8_t> marks;
    std::optional<StatementClosing> lastStatement;
};
AccountBefore AccountBeforeChange(const Document& document, std::int32_t account);
// The same without the marks, for a change that only appends: nothing is
// copied per transaction.
AccountBefore AccountBeforeAppend(const Document& document, std::int32_t account);
// The step from `before` to the account now.
Step AccountChangeStep(std::string name, AccountBefore before, const Document& document);

// The account a 1.1x import just appended, with the categories it added
// after the first `categoryCount`.
Step ImportedAccountStep(const Document& document, std::int32_t categoryCount);

// One step of several, undone last to first.
Step CombinedStep(std::string name, std::vector<Step> parts);
