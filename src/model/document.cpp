#include "model/document.h"

#include <algorithm>
#include <cassert>
#include <utility>

#include "model/lists.h"

namespace {

template <typename List>
auto& At(List& list, std::int32_t position) {
    assert(PositionInList(position, list.size()) >= 0);
    return list[static_cast<std::size_t>(position)];
}

template <typename List>
void EraseAt(List& list, std::int32_t position) {
    assert(PositionInList(position, list.size()) >= 0);
    list.erase(list.begin() + position);
}

}  // namespace

bool Document::AddCategory(const Text31& name) { return AppendToList(categories, name); }
bool Document::AddBillDeposit(const BillDeposit& billDeposit) { return AppendToList(billDeposits, billDeposit); }
bool Document::AddAccount(Account account) { return AppendToList(accounts, std::move(account)); }

void Document::RemoveCategory(std::int32_t position) { EraseAt(categories, position); }
void Document::RemoveBillDeposit(std::int32_t position) { EraseAt(billDeposits, position); }
void Document::RemoveAccount(std::int32_t position) { EraseAt(accounts, position); }

Text31& Document::GetCategory(std::int32_t position) { return At(categories, position); }
const Text31& Document::GetCategory(std::int32_t position) const { return At(categories, position); }
BillDeposit& Document::GetBillDeposit(std::int32_t position) { return At(billDeposits, position); }
const BillDeposit& Document::GetBillDeposit(std::int32_t position) const { return At(billDeposits, position); }
Account& Document::GetAccount(std::int32_t position) { return At(accounts, position); }
const Account& Document::GetAccount(std::int32_t position) const { return At(accounts, position); }

namespace {

template <typename List>
auto* Find(List& list, std::int32_t position) {
    return PositionInList(position, list.size()) >= 0 ? &list[static_cast<std::size_t>(position)] : nullptr;
}

}  // namespace

const Text31* Document::FindCategory(std::int32_t position) const { return Find(categories, position); }
Account* Document::FindAccount(std::int32_t position) { return Find(accounts, position); }
const Account* Document::FindAccount(std::int32_t position) const { return Find(accounts, position); }
BillDeposit* Document::FindBillDeposit(std::int32_t position) { return Find(billDeposits, position); }

void Document::Clear() {
    password = Text31();
    protection = FileProtection();
    ClearCategories();
    ClearBillDeposits();
    ClearAccounts();
}

namespace {

// The position a reference to `reference` must take once entry k is gone and
// references to k have been dealt with.
std::int32_t Renumbered(std::int32_t reference, std::int32_t k) { return reference > k ? reference - 1 : reference; }

}  // namespace

Document::CategoryUses Document::DeleteCategory(std::int32_t k) {
    // The room for the uses first: once the category goes, nothing may fail.
    CategoryUses uses;
    uses.transactions.resize(accounts.size());
    for (std::size_t a = 0; a < accounts.size(); ++a)
        uses.transactions[a].reserve(static_cast<std::size_t>(std::count_if(
            accounts[a].transactions.begin(), accounts[a].transactions.end(),
            [k](const Transaction& t) { return t.category == k; })));
    uses.billDeposits.reserve(billDeposits.size());
    RemoveCategory(k);
    for (std::size_t a = 0; a < accounts.size(); ++a) {
        std::vector<Transaction>& transactions = accounts[a].transactions;
        for (std::size_t i = 0; i < transactions.size(); ++i) {
            std::int32_t& category = transactions[i].category;
            if (category == k) uses.transactions[a].push_back(static_cast<std::int32_t>(i));
            category = category == k ? 0 : Renumbered(category, k);
        }
    }
    for (std::size_t i = 0; i < billDeposits.size(); ++i) {
        std::int32_t& category = billDeposits[i].category;
        if (category == k) uses.billDeposits.push_back(static_cast<std::int32_t>(i));
        category = category == k ? 0 : Renumbered(category, k);
    }
    return uses;
}

Document::RemovedAccount Document::DeleteAccount(std::int32_t k, std::int32_t& currentAccountIndex) {
    RemovedAccount removed;
    removed.billDeposits.reserve(billDeposits.size());
    removed.account = std::move(accounts[static_cast<std::size_t>(k)]);
    RemoveAccount(k);
    for (std::size_t i = 0; i < billDeposits.size(); ++i)
        if (billDeposits[i].account == k) removed.billDeposits.emplace_back(static_cast<std::int32_t>(i), billDeposits[i]);
    std::erase_if(billDeposits, [k](const BillDeposit& b) { return b.account == k; });
    for (BillDeposit& b : billDeposits) b.account = Renumbered(b.account, k);
    currentAccountIndex = currentAccountIndex == k ? -1 : Renumbered(currentAccountIndex, k);
    return removed;
}
