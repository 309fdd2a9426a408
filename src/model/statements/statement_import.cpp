#include "model/statements/statement_import.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "model/account_types.h"
#include "model/case_folding.h"

namespace {

// Days since 1 March of year 0: dates 3 days apart differ by 3 across
// months and years. A file's impossible date still gets a number.
std::int64_t DayNumber(std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t m = (static_cast<std::int64_t>(month) + 9) % 12;
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * m + 2) / 5 + day;
}

std::int64_t DayNumber(const Transaction& t) { return DayNumber(t.year, t.month, t.day); }

std::int64_t CentsOf(const Transaction& t) { return AmountCents(t.amount); }

// The part of a payee that two records of one payment agree on.
std::string PayeeKey(std::string_view payee) {
    std::string key;
    for (char c : payee) {
        if (c == ' ') continue;
        key.push_back(FoldCase(c));
        if (key.size() == 8) break;
    }
    return key;
}

std::int32_t OtherKind(std::int32_t kind) { return kind == KindIn ? KindOut : KindIn; }

Transaction TransactionOf(const StatementLine& line, std::int32_t accountType) {
    const std::int32_t spending = TypeInfo(accountType).spendingKind;
    Transaction t;
    t.kind = line.cents < 0 ? spending : OtherKind(spending);
    t.amount = static_cast<double>(line.cents < 0 ? -line.cents : line.cents) / 100.0;
    t.year = line.date.year;
    t.month = line.date.month;
    t.day = line.date.day;
    t.number = line.number;
    t.payee.Set(line.payee);
    t.memo.Set(line.memo);
    t.mark = MarkCleared;  // the bank has it
    return t;
}

// A transaction as the fuzzy match looks it up: by amount, kind and day.
struct MatchKey {
    std::int64_t cents;
    std::int32_t kind;
    std::int64_t day;
    std::int32_t position;

    friend auto operator<=>(const MatchKey&, const MatchKey&) = default;
};

// Which transactions of the account a line may no longer match, and which
// have a bank id.
struct Claims {
    std::vector<bool> used;
    std::vector<bool> hasBankId;
};

// Marks the lines whose bank id a transaction has.
Claims MatchBankIds(const Account& account, std::vector<PreviewLine>& lines) {
    Claims claims{std::vector<bool>(account.transactions.size()), std::vector<bool>(account.transactions.size())};
    std::unordered_map<std::string_view, std::int32_t> byBankId;
    for (const BankId& id : account.bankIds) {
        byBankId.emplace(id.id, id.position);
        claims.hasBankId[static_cast<std::size_t>(id.position)] = true;
    }
    for (PreviewLine& line : lines) {
        if (line.bankId.empty()) continue;
        const auto found = byBankId.find(line.bankId);
        if (found == byBankId.end() || claims.used[static_cast<std::size_t>(found->second)]) continue;
        claims.used[static_cast<std::size_t>(found->second)] = true;
        line.alreadyThere = true;
    }
    return claims;
}

// The transactions a line without a bank match may match: only those near
// the statement's dates with one of its amounts, so that sorting them keeps
// a large account quick.
struct Candidates {
    std::int64_t first = std::numeric_limits<std::int64_t>::max();
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    std::unordered_set<std::int64_t> amounts;
    std::vector<MatchKey> keys;

    explicit Candidates(const std::vector<PreviewLine>& lines) {
        for (const PreviewLine& line : lines) {
            if (line.alreadyThere) continue;
            first = std::min(first, DayNumber(line.transaction) - 3);
            last = std::max(last, DayNumber(line.transaction) + 3);
            amounts.insert(CentsOf(line.transaction));
        }
    }
    void See(std::int32_t position, const Transaction& t) {
        const std::int64_t day = DayNumber(t);
        if (day < first || day > last) return;
        const std::int64_t cents = CentsOf(t);
        // A file's kind may be any value: what counts is whether it adds to the balance.
        if (amounts.contains(cents)) keys.push_back({cents, AddsToBalance(t.kind) ? KindIn : KindOut, day, position});
    }
};

// Each line the closest unclaimed candidate whose payee agrees.
void MatchByDateAmountAndPayee(const Account& account, Candidates& candidates, Claims& claims,
                               std::vector<PreviewLine>& lines) {
    std::vector<MatchKey>& keys = candidates.keys;
    std::sort(keys.begin(), keys.end());
    for (PreviewLine& line : lines) {
        if (line.alreadyThere) continue;
        const Transaction& t = line.transaction;
        const std::int64_t cents = CentsOf(t), day = DayNumber(t);
        const std::string payee = PayeeKey(t.payee.view());
        const MatchKey* best = nullptr;
        for (auto key = std::lower_bound(keys.begin(), keys.end(), MatchKey{cents, t.kind, day - 3, -1});
             key != keys.end() && key->cents == cents && key->kind == t.kind && key->day <= day + 3; ++key) {
            const auto position = static_cast<std::size_t>(key->position);
            if (claims.used[position] || (!line.bankId.empty() && claims.hasBankId[position])) continue;
            if (PayeeKey(account.transactions[position].payee.view()) != payee) continue;
            if (best == nullptr || std::llabs(key->day - day) < std::llabs(best->day - day)) best = &*key;
        }
        if (best == nullptr) continue;
        claims.used[static_cast<std::size_t>(best->position)] = true;
        line.alreadyThere = true;
    }
}

// A payee folded into `out` (room for 31), and the FNV-1a hash of what was written.
std::uint64_t FoldPayee(std::string_view payee, char* out) {
    FoldCaseInto(payee, out);
    std::uint64_t hash = 14695981039346656037u;
    for (std::size_t i = 0; i < payee.size(); ++i) hash = (hash ^ static_cast<unsigned char>(out[i])) * 1099511628211u;
    return hash;
}

// The latest category the account gives each of the lines' payees. Every
// transaction is seen, so a payee is hashed as it is folded, with no string made.
struct PayeeCategories {
    struct Latest {
        std::string payee;  // folded
        Date date{-1, -1, -1};
        std::int32_t category = 0;
    };
    std::vector<Latest> payees;
    std::unordered_map<std::uint64_t, std::size_t> byHash;
    std::vector<std::size_t> payeeOfLine;

    explicit PayeeCategories(const std::vector<PreviewLine>& lines) {
        char folded[sizeof(Text31::bytes)];
        for (const PreviewLine& line : lines) {
            const std::string_view payee = line.transaction.payee.view();
            const auto [entry, added] = byHash.emplace(FoldPayee(payee, folded), payees.size());
            if (added) payees.push_back({std::string(folded, payee.size())});
            payeeOfLine.push_back(entry->second);
        }
    }
    void See(const Transaction& t) {
        char folded[sizeof(Text31::bytes)];
        const std::string_view payee = t.payee.view();
        const auto found = byHash.find(FoldPayee(payee, folded));
        if (found == byHash.end()) return;
        Latest& latest = payees[found->second];
        if (latest.payee != std::string_view(folded, payee.size())) return;
        const Date date{t.year, t.month, t.day};
        // Later positions win ties: they were entered last.
        if (date >= latest.date) latest.date = date, latest.category = t.category;
    }
};

// What one pass over (part of) the account finds for the lines.
struct AccountScan {
    Candidates candidates;
    PayeeCategories categories;

    // A scan of later positions: its candidates join, its categories win ties.
    void Add(const AccountScan& later) {
        candidates.keys.insert(candidates.keys.end(), later.candidates.keys.begin(), later.candidates.keys.end());
        for (std::size_t i = 0; i < categories.payees.size(); ++i) {
            const PayeeCategories::Latest& other = later.categories.payees[i];
            if (other.date >= categories.payees[i].date) categories.payees[i] = other;
        }
    }
};

// Accounts this large are read by two threads.
constexpr std::int32_t kSplitScanFrom = 200'000;

void ScanAccount(const Account& account, const Claims& claims, std::int32_t begin, std::int32_t end, AccountScan& scan) {
    for (std::int32_t position = begin; position < end; ++position) {
        const Transaction& t = account.transactions[static_cast<std::size_t>(position)];
        if (!claims.used[static_cast<std::size_t>(position)]) scan.candidates.See(position, t);
        scan.categories.See(t);
    }
}

// A line's category: the one it names, else its payee's latest, else 0.
void AssignCategories(const Document& document, const Statement& statement, const PayeeCategories& latest,
                      std::vector<PreviewLine>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& named = statement.lines[i].category;
        std::int32_t category = -1;
        if (!named.empty())
            for (std::int32_t k = 0; k < document.CategoryCount() && category < 0; ++k)
                if (SameIgnoringCase(document.GetCategory(k).view(), named)) category = k;
        if (category < 0) category = latest.payees[latest.payeeOfLine[i]].category;
        lines[i].transaction.category = document.FindCategory(category) != nullptr ? category : 0;
    }
}

// Account names and numbers as a bank writes them: no spaces or dashes, one case.
std::string AccountIdKey(std::string_view text) {
    std::string key;
    for (char c : text)
        if (c != ' ' && c != '-') key.push_back(FoldCase(c));
    return key;
}

}  // namespace

std::vector<PreviewLine> PreviewStatement(const Document& document, std::int32_t account, const Statement& statement) {
    const Account& target = document.GetAccount(account);
    std::vector<PreviewLine> lines;
    lines.reserve(statement.lines.size());
    for (const StatementLine& line : statement.lines)
        lines.push_back({TransactionOf(line, target.type), line.bankId.substr(0, kMaxBankIdLength)});
    Claims claims = MatchBankIds(target, lines);
    AccountScan scan{Candidates(lines), PayeeCategories(lines)};
    const std::int32_t count = target.TransactionCount();
    // The back half of a large account is read on a second thread meanwhile.
    std::optional<AccountScan> back;
    std::thread worker;
    std::int32_t split = count;
    if (count >= kSplitScanFrom) {
        back.emplace(AccountScan{Candidates(lines), PayeeCategories(lines)});
        try {
            worker = std::thread(ScanAccount, std::cref(target), std::cref(claims), count / 2, count, std::ref(*back));
            split = count / 2;
        } catch (const std::system_error&) {
            back.reset();  // no thread to be had: one pass reads it all
        }
    }
    ScanAccount(target, claims, 0, split, scan);
    if (worker.joinable()) {
        worker.join();
        scan.Add(*back);
    }
    MatchByDateAmountAndPayee(target, scan.candidates, claims, lines);
    AssignCategories(document, statement, scan.categories, lines);
    for (PreviewLine& line : lines) line.ticked = !line.alreadyThere;
    return lines;
}

PreviewTotals TickedTotals(const std::vector<PreviewLine>& lines) {
    PreviewTotals totals;
    for (const PreviewLine& line : lines) {
        if (!line.ticked) continue;
        ++totals.count;
        const std::int64_t cents = CentsOf(line.transaction);
        totals.cents += AddsToBalance(line.transaction.kind) ? cents : -cents;
    }
    return totals;
}

bool ImportPreviewLines(Document& document, std::int32_t account, const std::vector<PreviewLine>& lines) {
    Account& target = document.GetAccount(account);
    std::vector<const PreviewLine*> ticked;
    try {
        for (const PreviewLine& line : lines)
            if (line.ticked) ticked.push_back(&line);
        std::stable_sort(ticked.begin(), ticked.end(), [](const PreviewLine* a, const PreviewLine* b) {
            const Transaction &x = a->transaction, &y = b->transaction;
            return Date{x.year, x.month, x.day} < Date{y.year, y.month, y.day};
        });
        if (ticked.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - target.TransactionCount()))
            return false;
        std::size_t withIds = 0;
        for (const PreviewLine* line : ticked) withIds += line->bankId.empty() ? 0 : 1;
        target.transactions.reserve(target.transactions.size() + ticked.size());
        target.bankIds.reserve(target.bankIds.size() + withIds);
        std::vector<BankId> ids;
        ids.reserve(withIds);
        for (std::size_t i = 0; i < ticked.size(); ++i)
            if (!ticked[i]->bankId.empty())
                ids.push_back({target.TransactionCount() + static_cast<std::int32_t>(i), ticked[i]->bankId});
        // Nothing below allocates: the account changes whole or not at all.
        for (const PreviewLine* line : ticked) target.transactions.push_back(line->transaction);
        for (BankId& id : ids) target.bankIds.push_back(std::move(id));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void KeepStatementClosing(Account& account, const Statement& statement) {
    if (!statement.ledgerBalance) return;
    // The bank's figure is the holder's money; a Credit account's balance is what is owed.
    const bool owed = TypeInfo(account.type).spendingKind == KindIn;
    const std::int64_t cents = statement.ledgerBalance->cents;
    account.lastStatement = StatementClosing{owed ? -cents : cents, statement.ledgerBalance->date};
}

std::int32_t AccountForStatement(const Document& document, std::string_view accountId) {
    const std::string key = AccountIdKey(accountId);
    if (key.empty()) return -1;
    for (std::int32_t k = 0; k < document.AccountCount(); ++k) {
        const Account& account = document.GetAccount(k);
        if (AccountIdKey(account.name.view()) == key || AccountIdKey(account.accountNumber.view()) == key) return k;
    }
    return -1;
}

std::string ImportDoneText(int added, int skipped) {
    std::string text = std::to_string(added) + (added == 1 ? " transaction was added." : " transactions were added.");
    if (skipped > 0)
        text += " " + std::to_string(skipped) + (skipped == 1 ? " was already in the account and was skipped."
                                                              : " were already in the account and were skipped.");
    return text;
}
