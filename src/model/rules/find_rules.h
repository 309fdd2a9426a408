#pragma once
// What Find Next in the Find Transaction dialog does: from the selected row,
// down or up without wrapping, to the first row whose payee, memo or number
// text holds the search text.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "model/records.h"
#include "model/rule_outcome.h"
#include "model/tables/transaction_text.h"

// How many characters of each text are read: the search box, and the
// payee, memo and number cells of a row.
inline constexpr std::size_t kFindTextLength = 49;
inline constexpr std::size_t kFindPayeeLength = 30;
inline constexpr std::size_t kFindMemoLength = 30;
inline constexpr std::size_t kFindNumberLength = 49;

// The searched texts of one row, as the list displays them.
struct FindRowTexts {
    std::string_view payee;
    std::string_view memo;
    std::string_view number;
};

// The searched texts of a transaction's row, read in place: the number's
// text is written into `number`, which must outlive the result.
FindRowTexts FindTextsOf(const Transaction& t, NumberText& number);

enum class FindDirection { Up, Down };

// The first row to look at: the one after (down) or before (up) the selected
// row. With no row selected (-1), down starts at row 0 and up has no row (-1).
int FindStartRow(int selectedRow, FindDirection direction);

// Whether `search` occurs in the payee, else the memo, else the number text.
// Without matchCase, `search` must already be folded; payee and memo are folded here.
bool RowMatches(const FindRowTexts& row, std::string_view search, bool matchCase);

// What a Find Next leads to: a row to select, or a message. The dialog stays
// open either way; the selection only changes on a match, and an empty search
// box gets the focus.
struct FindOutcome {
    int row;  // the matching row, or -1
    RuleOutcome rule;
};

// A Find Next with the search box's text over `rowCount` rows in displayed
// order; `rowTexts` reads a row (0 <= row < rowCount) when the search reaches
// it, and its texts need only last until the next row is read.
FindOutcome FindNext(std::string_view typed, bool matchCase, FindDirection direction, int selectedRow, int rowCount,
                     const std::function<FindRowTexts(int)>& rowTexts);
