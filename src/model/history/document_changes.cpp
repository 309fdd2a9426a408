#include "model/history/document_changes.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

namespace {

void ApplyHeads(Document& document, const DocumentHeads& heads) {
    document.password = heads.password;
    document.protection = heads.protection;
    document.categories = heads.categories;
    document.billDeposits = heads.billDeposits;
    for (std::size_t i = 0; i < heads.accounts.size() && i < document.accounts.size(); ++i) {
        const DocumentHeads::AccountHead& head = heads.accounts[i];
        Account& account = document.accounts[i];
        account.type = head.type;
        account.name = head.name;
        account.comment = head.comment;
        account.accountNumber = head.accountNumber;
        account.contactInfo = head.contactInfo;
        account.creditLimit = head.creditLimit;
        account.lastStatement = head.lastStatement;
    }
}

std::size_t HeadsBytes(const DocumentHeads& heads) {
    return sizeof heads + heads.categories.size() * sizeof(Text31) + heads.billDeposits.size() * sizeof(BillDeposit) +
           heads.accounts.size() * sizeof(DocumentHeads::AccountHead);
}

// A heads step's two sides. The passwords they keep are wiped when the step
// goes, as the keys are (FileProtection wipes itself).
struct KeptHeads {
    DocumentHeads before, after;
    KeptHeads(DocumentHeads b, DocumentHeads a) : before(std::move(b)), after(std::move(a)) {}
    KeptHeads(const KeptHeads&) = delete;
    KeptHeads& operator=(const KeptHeads&) = delete;
    ~KeptHeads() {
        WipePassword(before.password);
        WipePassword(after.password);
    }
};

}  // namespace

DocumentHeads HeadsOf(const Document& document) {
    DocumentHeads heads{document.password, document.protection, document.categories, document.billDeposits, {}};
    heads.accounts.reserve(document.accounts.size());
    for (const Account& a : document.accounts)
        heads.accounts.push_back({a.type, a.name, a.comment, a.accountNumber, a.contactInfo, a.creditLimit, a.lastStatement});
    return heads;
}

Step HeadsStep(std::string name, DocumentHeads before, const Document& document) {
    auto shared = std::make_shared<const KeptHeads>(std::move(before), HeadsOf(document));
    const std::size_t bytes = HeadsBytes(shared->before) + HeadsBytes(shared->after);
    return {std::move(name),
            [shared](Document& d) -> std::optional<ChangedPlace> {
                ApplyHeads(d, shared->before);
                return ChangedPlace{};
            },
            [shared](Document& d) -> std::optional<ChangedPlace> {
                ApplyHeads(d, shared->after);
                return ChangedPlace{};
            },
            bytes};
}

Step AddedAccountStep(const Document& document, std::string name) {
    // The account lives here while it is undone: moved, never copied.
    auto kept = std::make_shared<Account>();
    const auto index = document.AccountCount() - 1;
    const std::size_t bytes = document.accounts.back().transactions.size() * sizeof(Transaction);
    return {std::move(name),
            [kept, index](Document& d) -> std::optional<ChangedPlace> {
                *kept = std::move(d.accounts.back());
                d.accounts.pop_back();
                return ChangedPlace{.removedAccount = index};
            },
            [kept, index](Document& d) -> std::optional<ChangedPlace> {
                try {
                    d.accounts.push_back(std::move(*kept));
                } catch (const std::bad_alloc&) {
                    return std::nullopt;
                }
                return ChangedPlace{.insertedAccount = index};
            },
            bytes};
}

std::optional<Step> DeleteAccount(Document& document, std::int32_t k, std::int32_t& currentAccountIndex) {
    std::shared_ptr<Document::RemovedAccount> removed;
    try {
        removed = std::make_shared<Document::RemovedAccount>();
        *removed = document.DeleteAccount(k, currentAccountIndex);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    const std::size_t bytes = removed->account.transactions.size() * sizeof(Transaction);
    return Step{"Delete Account",
                [removed, k](Document& d) -> std::optional<ChangedPlace> {
                    try {
                        d.accounts.reserve(d.accounts.size() + 1);
                        d.billDeposits.reserve(d.billDeposits.size() + removed->billDeposits.size());
                    } catch (const std::bad_alloc&) {
                        return std::nullopt;
                    }
                    for (BillDeposit& b : d.billDeposits)
                        if (b.account >= k) ++b.account;
                    for (const auto& [position, bill] : removed->billDeposits)
                        d.billDeposits.insert(d.billDeposits.begin() + position, bill);
                    d.accounts.insert(d.accounts.begin() + k, std::move(removed->account));
                    return ChangedPlace{.insertedAccount = k};
                },
                [removed, k](Document& d) -> std::optional<ChangedPlace> {
                    std::int32_t unused = -1;
                    try {
                        *removed = d.DeleteAccount(k, unused);
                    } catch (const std::bad_alloc&) {
                        return std::nullopt;
                    }
                    return ChangedPlace{.removedAccount = k};
                },
                bytes};
}

std::optional<Step> DeleteCategory(Document& document, std::int32_t k) {
    auto deleted = std::make_shared<std::pair<Text31, Document::CategoryUses>>();
    try {
        deleted->first = document.GetCategory(k);
        deleted->second = document.DeleteCategory(k);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    std::size_t bytes = deleted->second.billDeposits.size() * 4;
    for (const auto& uses : deleted->second.transactions) bytes += uses.size() * 4;
    return Step{"Delete Category",
                [deleted, k](Document& d) -> std::optional<ChangedPlace> {
                    try {
                        d.categories.insert(d.categories.begin() + k, deleted->first);
                    } catch (const std::bad_alloc&) {
                        return std::nullopt;
                    }
                    // References from above k move up again; those that used k get it back.
                    const auto restore = [k](std::int32_t& category, const std::vector<std::int32_t>& uses, std::size_t& next,
                                             std::int32_t position) {
                        if (next < uses.size() && uses[next] == position) {
                            category = k;
                            ++next;
                        } else if (category >= k) {
                            ++category;
                        }
                    };
                    for (std::size_t a = 0; a < d.accounts.size(); ++a) {
                        std::size_t next = 0;
                        std::vector<Transaction>& transactions = d.accounts[a].transactions;
                        for (std::size_t i = 0; i < transactions.size(); ++i)
                            restore(transactions[i].category, deleted->second.transactions[a], next, static_cast<std::int32_t>(i));
                    }
                    std::size_t next = 0;
                    for (std::size_t i = 0; i < d.billDeposits.size(); ++i)
                        restore(d.billDeposits[i].category, deleted->second.billDeposits, next, static_cast<std::int32_t>(i));
                    return ChangedPlace{};
                },
                [deleted, k](Document& d) -> std::optional<ChangedPlace> {
                    try {
                        deleted->second = d.DeleteCategory(k);
                    } catch (const std::bad_alloc&) {
                        return std::nullopt;
                    }
                    return ChangedPlace{};
                },
                bytes};
}

AccountBefore AccountBeforeChange(const Document& document, std::int32_t account) {
    const Account& a = document.GetAccount(account);
    AccountBefore before{account, a.TransactionCount(), a.bankIds.size(), {}, a.lastStatement};
    before.marks.reserve(a.transactions.size());
    for (const Transaction& t : a.transactions) before.marks.push_back(t.mark);
    return before;
}

AccountBefore AccountBeforeAppend(const Document& document, std::int32_t account) {
    const Account& a = document.GetAccount(account);
    return {account, a.TransactionCount(), a.bankIds.size(), {}, a.lastStatement};
}

Step AccountChangeStep(std::string name, AccountBefore before, const Document& document) {
    struct MarkChange {
        std::int32_t position;
        std::uint8_t before, after;
    };
    struct Change {
        std::int32_t account, transactionCount;
        std::size_t bankIdCount;
        std::vector<Transaction> appended;
        std::vector<BankId> appendedIds;
        std::vector<MarkChange> marks;
        std::optional<StatementClosing> lastStatementBefore, lastStatementAfter;
    };
    const Account& account = document.GetAccount(before.account);
    auto change = std::make_shared<Change>(Change{before.account, before.transactionCount, before.bankIdCount, {}, {}, {},
                                                  before.lastStatement, account.lastStatement});
    change->appended.assign(account.transactions.begin() + before.transactionCount, account.transactions.end());
    change->appendedIds.assign(account.bankIds.begin() + static_cast<std::ptrdiff_t>(before.bankIdCount),
                               account.bankIds.end());
    const bool marksKept = before.marks.size() == static_cast<std::size_t>(before.transactionCount);
    for (std::int32_t i = 0; marksKept && i < before.transactionCount; ++i) {
        const std::uint8_t was = before.marks[static_cast<std::size_t>(i)];
        const std::uint8_t is = account.transactions[static_cast<std::size_t>(i)].mark;
        if (is != was) change->marks.push_back({i, was, is});
    }
    const std::size_t bytes = change->appended.size() * sizeof(Transaction) + change->marks.size() * sizeof(MarkChange);
    return {std::move(name),
            [change](Document& d) -> std::optional<ChangedPlace> {
                Account& a = d.GetAccount(change->account);
                a.transactions.resize(static_cast<std::size_t>(change->transactionCount));
                a.bankIds.resize(change->bankIdCount);
                for (const MarkChange& m : change->marks) a.transactions[static_cast<std::size_t>(m.position)].mark = m.before;
                a.lastStatement = change->lastStatementBefore;
                return ChangedPlace{change->account, -1};
            },
            [change](Document& d) -> std::optional<ChangedPlace> {
                Account& a = d.GetAccount(change->account);
                try {
                    a.transactions.insert(a.transactions.end(), change->appended.begin(), change->appended.end());
                    a.bankIds.insert(a.bankIds.end(), change->appendedIds.begin(), change->appendedIds.end());
                } catch (const std::bad_alloc&) {
                    a.transactions.resize(static_cast<std::size_t>(change->transactionCount));
                    a.bankIds.resize(change->bankIdCount);
                    return std::nullopt;
                }
                for (const MarkChange& m : change->marks) a.transactions[static_cast<std::size_t>(m.position)].mark = m.after;
                a.lastStatement = change->lastStatementAfter;
                return ChangedPlace{change->account, -1};
            },
            bytes};
}

Step ImportedAccountStep(const Document& document, std::int32_t categoryCount) {
    struct Imported {
        Account account;
        std::vector<Text31> categories;
    };
    // The account is moved here while the import is undone, never copied.
    auto kept = std::make_shared<Imported>(
        Imported{Account(), {document.categories.begin() + categoryCount, document.categories.end()}});
    const std::int32_t index = document.AccountCount() - 1;
    const std::size_t bytes = document.accounts.back().transactions.size() * sizeof(Transaction);
    return {"Import",
            [kept, categoryCount, index](Document& d) -> std::optional<ChangedPlace> {
                kept->account = std::move(d.accounts.back());
                d.accounts.pop_back();
                d.categories.resize(static_cast<std::size_t>(categoryCount));
                return ChangedPlace{.removedAccount = index};
            },
            [kept, index](Document& d) -> std::optional<ChangedPlace> {
                try {
                    d.categories.reserve(d.categories.size() + kept->categories.size());
                    d.accounts.push_back(std::move(kept->account));
                } catch (const std::bad_alloc&) {
                    return std::nullopt;
                }
                d.categories.insert(d.categories.end(), kept->categories.begin(), kept->categories.end());
                return ChangedPlace{.insertedAccount = index};
            },
            bytes};
}

Step CombinedStep(std::string name, std::vector<Step> parts) {
    std::size_t bytes = 0;
    for (const Step& part : parts) bytes += part.bytes;
    auto shared = std::make_shared<std::vector<Step>>(std::move(parts));
    return {std::move(name),
            [shared](Document& d) -> std::optional<ChangedPlace> {
                std::optional<ChangedPlace> place = ChangedPlace{};
                for (auto part = shared->rbegin(); part != shared->rend() && place; ++part) place = part->undo(d);
                return place;
            },
            [shared](Document& d) -> std::optional<ChangedPlace> {
                std::optional<ChangedPlace> place = ChangedPlace{};
                for (auto part = shared->begin(); part != shared->end() && place; ++part) place = part->redo(d);
                return place;
            },
            bytes};
}
