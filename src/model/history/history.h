#pragma once
// Undo and redo: the steps the document went through, each able to go back
// and forth exactly (every field as it was, so the saved file is byte for
// byte the same). A step keeps only what it changed.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "model/document.h"

// What a step changed, for the views to show: the account and the
// transaction's position in it (-1 when there is none to select), and the
// account it put in or took out of the list (-1 for none), which moves the
// accounts after it.
struct ChangedPlace {
    std::int32_t account = -1;
    std::int32_t position = -1;
    std::int32_t insertedAccount = -1;
    std::int32_t removedAccount = -1;
};

// The account the main window shows after the change: the same account,
// wherever it now stands (-1 when it went).
std::int32_t CurrentAccountAfter(const ChangedPlace& place, std::int32_t current);

// Each way of a step changes the document whole or, when memory runs out,
// not at all (std::nullopt).
using StepWay = std::function<std::optional<ChangedPlace>(Document&)>;

struct Step {
    std::string name;  // as the Edit menu names it: "Delete Transaction"
    StepWay undo;
    StepWay redo;
    std::size_t bytes = 0;  // what the step keeps, for the history's bound
};

// The history keeps the newest steps: at most kMaxHistorySteps of them, and
// fewer when they would hold more than kMaxHistoryBytes (the newest always stays).
inline constexpr std::size_t kMaxHistorySteps = 1000;
inline constexpr std::size_t kMaxHistoryBytes = 64u << 20;

class History {
public:
    // A change just made: the steps undone before it can no longer be redone.
    void Record(Step step);
    // A new or newly opened file has no history.
    void Clear();

    // The name of the step Undo and Redo would take, or nullptr.
    const std::string* UndoName() const { return done_.empty() ? nullptr : &done_.back().name; }
    const std::string* RedoName() const { return undone_.empty() ? nullptr : &undone_.back().name; }

    // Takes the step back or again; std::nullopt when there is none, or when
    // memory ran out: the document is then as it was, and the history empty.
    std::optional<ChangedPlace> Undo(Document& document);
    std::optional<ChangedPlace> Redo(Document& document);

    std::size_t StepCount() const { return done_.size() + undone_.size(); }

private:
    // Takes the newest step of `from` its `way` and keeps it on `to`.
    std::optional<ChangedPlace> Take(std::deque<Step>& from, std::deque<Step>& to, StepWay Step::*way,
                                     Document& document);

    std::deque<Step> done_;
    std::deque<Step> undone_;
    std::size_t bytes_ = 0;
};

// The Edit menu's items: "&Undo Delete Transaction\tCtrl+Z", or "&Undo\tCtrl+Z"
// when there is nothing to undo; Redo likewise with Ctrl+Y.
std::string UndoItemText(const History& history);
std::string RedoItemText(const History& history);

// The steps of the transactions' changes. Each is made after its change:
// `before` is the account's transaction as it was.

// The transaction just appended to the account.
Step AddedTransactionStep(const Document& document, std::int32_t account);
// The transaction at `position` just replaced.
Step ReplacedTransactionStep(const Document& document, std::int32_t account, std::int32_t position,
                             const Transaction& before);
// Removes the transaction at `position` (with its bank id) and returns the step.
Step DeleteTransaction(Document& document, std::int32_t account, std::int32_t position);
