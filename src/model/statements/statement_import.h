#pragma once
// What an imported statement does to an account: each line as the
// transaction it would become, whether the account has it already, and the
// import of the lines the user keeps.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "model/statements/statement.h"

struct PreviewLine {
    // What the line becomes: the kind by the account's type, the amount
    // without its sign, and the category it gets.
    Transaction transaction;
    std::string bankId;
    bool alreadyThere = false;  // it matches a transaction of the account
    bool ticked = true;         // imported; lines already there start unticked
};

// The statement's lines against account `account` (a position in the
// document). A line matches a transaction with its bank id; failing that, one
// dated within 3 days with the same amount and kind whose payee agrees on its
// first 8 characters ignoring case and spaces (a line with a bank id only
// matches a transaction without one). Each transaction matches one line at
// most. A line's category is the one it names, if the document has it
// (ignoring case); else that of the latest transaction of the account with
// the same payee (ignoring case); else 0. O((n + m) log n).
std::vector<PreviewLine> PreviewStatement(const Document& document, std::int32_t account, const Statement& statement);

// The ticked lines: their number and what they add to the balance, in cents.
struct PreviewTotals {
    int count = 0;
    std::int64_t cents = 0;
};
PreviewTotals TickedTotals(const std::vector<PreviewLine>& lines);

// Appends the ticked lines to the account after its transactions, in date
// order, with their bank ids, cleared (the bank has them). All or nothing: false, with the document
// unchanged, when memory runs out or the account would hold too many.
bool ImportPreviewLines(Document& document, std::int32_t account, const std::vector<PreviewLine>& lines);

// Keeps the statement's closing balance (OFX LEDGERBAL), if it has one, as
// the account's last statement balance, in the sign of the account's balance.
void KeepStatementClosing(Account& account, const Statement& statement);

// The account whose name or number is the statement's account id (ignoring
// case, spaces and dashes); -1 when none is or the id is empty.
std::int32_t AccountForStatement(const Document& document, std::string_view accountId);

// "3 transactions were added. 2 were already in the account and were skipped."
std::string ImportDoneText(int added, int skipped);
