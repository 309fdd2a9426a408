#include "model/history/history.h"

#include <utility>

namespace {

std::size_t BytesOf(const Step& step) { return sizeof step + step.name.size() + step.bytes; }

}  // namespace

void History::Record(Step step) {
    for (const Step& dropped : undone_) bytes_ -= BytesOf(dropped);
    undone_.clear();
    bytes_ += BytesOf(step);
    done_.push_back(std::move(step));
    while (done_.size() > 1 && (done_.size() > kMaxHistorySteps || bytes_ > kMaxHistoryBytes)) {
        bytes_ -= BytesOf(done_.front());
        done_.pop_front();
    }
}

void History::Clear() {
    done_.clear();
    undone_.clear();
    bytes_ = 0;
}

std::optional<ChangedPlace> History::Take(std::deque<Step>& from, std::deque<Step>& to, StepWay Step::*way,
                                          Document& document) {
    if (from.empty()) return std::nullopt;
    Step step = std::move(from.back());
    from.pop_back();
    const std::optional<ChangedPlace> place = (step.*way)(document);
    if (!place) {
        Clear();
        return std::nullopt;
    }
    to.push_back(std::move(step));
    return place;
}

std::optional<ChangedPlace> History::Undo(Document& document) { return Take(done_, undone_, &Step::undo, document); }

std::optional<ChangedPlace> History::Redo(Document& document) { return Take(undone_, done_, &Step::redo, document); }

std::int32_t CurrentAccountAfter(const ChangedPlace& place, std::int32_t current) {
    if (current >= 0 && place.removedAccount >= 0) {
        if (current == place.removedAccount) return -1;
        if (current > place.removedAccount) --current;
    }
    if (current >= 0 && place.insertedAccount >= 0 && current >= place.insertedAccount) ++current;
    return current;
}

std::string UndoItemText(const History& history) {
    const std::string* name = history.UndoName();
    return name != nullptr ? "&Undo " + *name + "\tCtrl+Z" : "&Undo\tCtrl+Z";
}

std::string RedoItemText(const History& history) {
    const std::string* name = history.RedoName();
    return name != nullptr ? "&Redo " + *name + "\tCtrl+Y" : "&Redo\tCtrl+Y";
}

Step AddedTransactionStep(const Document& document, std::int32_t account) {
    const Account& target = document.GetAccount(account);
    const std::int32_t position = target.TransactionCount() - 1;
    const Transaction added = target.GetTransaction(position);
    return {"New Transaction",
            [=](Document& d) -> std::optional<ChangedPlace> {
                d.GetAccount(account).RemoveTransaction(position);
                return ChangedPlace{account, -1};
            },
            [=](Document& d) -> std::optional<ChangedPlace> {
                if (!d.GetAccount(account).InsertTransaction(position, added, std::string())) return std::nullopt;
                return ChangedPlace{account, position};
            },
            sizeof added};
}

Step ReplacedTransactionStep(const Document& document, std::int32_t account, std::int32_t position,
                             const Transaction& before) {
    const Transaction after = document.GetAccount(account).GetTransaction(position);
    const auto put = [account, position](const Transaction& t) {
        return [=](Document& d) -> std::optional<ChangedPlace> {
            d.GetAccount(account).GetTransaction(position) = t;
            return ChangedPlace{account, position};
        };
    };
    return {"Edit Transaction", put(before), put(after), 2 * sizeof before};
}

Step DeleteTransaction(Document& document, std::int32_t account, std::int32_t position) {
    Account& target = document.GetAccount(account);
    const Transaction removed = target.GetTransaction(position);
    const std::string* id = target.BankIdOf(position);
    const std::string bankId = id != nullptr ? *id : std::string();
    target.RemoveTransaction(position);
    return {"Delete Transaction",
            [=](Document& d) -> std::optional<ChangedPlace> {
                if (!d.GetAccount(account).InsertTransaction(position, removed, bankId)) return std::nullopt;
                return ChangedPlace{account, position};
            },
            [=](Document& d) -> std::optional<ChangedPlace> {
                d.GetAccount(account).RemoveTransaction(position);
                return ChangedPlace{account, -1};
            },
            sizeof removed + bankId.size()};
}
