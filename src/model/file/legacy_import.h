#pragma once
// Importing an account from a 1.1x account file (.pwa): reading the file,
// and turning its account into a new account of the open document with its
// categories merged into the document's list.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/dates.h"
#include "model/document.h"
#include "model/rule_outcome.h"

class DataReader;

// A transaction of the file, with what the import uses of it.
struct LegacyTransaction {
    std::int32_t kind = 0;
    double amount = 0.0;
    std::int32_t category = 0;  // position in the file's own category list
    Text31 memo;                // the first 30 characters of the record's text
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t year = 0;

    friend bool operator==(const LegacyTransaction&, const LegacyTransaction&) = default;
};

// The account of a 1.1x file, with what the import uses of it.
struct LegacyAccount {
    Text31 name;
    Text31 comment;  // the first 30 characters of the account's text
    double openingAmount = 0.0;
    std::vector<Text31> categories;
    std::vector<LegacyTransaction> transactions;

    friend bool operator==(const LegacyAccount&, const LegacyAccount&) = default;
};

// Reads a 1.1x account file: "Pennywhist Account" and a zero byte, version
// 2, the header, the category names, a first record list that is skipped,
// and the transactions. False, with `account` unchanged, when the file is
// missing or unreadable, its magic or version differs, it ends early, a
// count is negative or more than the rest of the file can hold (checked
// before anything is allocated), or the opening amount or a transaction's
// amount is not a finite number. Texts without a terminator are cut at their
// field; the bytes after the transactions are not read.
bool ReadLegacyAccount(const std::string& path, LegacyAccount& account);
bool ReadLegacyAccount(DataReader& in, LegacyAccount& account);

// The imported account's name: the legacy name (its first 30 characters)
// unless an account of the document, or the new account itself with its name
// still empty, has that name ignoring case; then the first of "NAME (import)",
// "NAME (import 2)", "NAME (import 3)", ... that none has, "(import)" and so
// on for an empty name. The name is cut so that it and its suffix fit in 30
// characters: the suffix always stays whole, so that the names differ.
std::string ImportedAccountName(const Document& document, std::string_view legacyName);

// How many steps the import's progress takes: one per category name and one
// per transaction of the file.
int ImportSteps(const LegacyAccount& legacy);

// The import into `document`: a new last account of `type` with the imported
// name, the comment, the opening entry for the opening amount (dated `today`,
// memo by type) and the file's transactions in file order, their categories
// found by name (0 when no category has it, or the file's index lies outside
// its list); the file's category names that the document lacks, ignoring
// case and "none/miscellaneous", appended once each. `progress` is called
// after every category name and every transaction with the steps done so
// far. All or nothing: when memory fails part way ("Error adding account.",
// "Error adding category." or "Error adding transaction."), the document is
// as it was. Accepted when the account is the document's last one.
RuleOutcome ImportLegacyAccount(Document& document, const LegacyAccount& legacy, std::int32_t type, const Date& today,
                                const std::function<void(int)>& progress);
