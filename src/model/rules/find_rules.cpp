#include "model/rules/find_rules.h"

#include "model/case_folding.h"
#include "model/lists.h"
#include "resources/resource.h"

namespace {

bool Contains(std::string_view text, std::string_view search) { return text.find(search) != std::string_view::npos; }

// Whether the text, folded, holds `folded`. Payees and memos are short: a copy
// on the stack spares an allocation for each of a million rows.
bool ContainsFolded(std::string_view text, std::string_view folded) {
    char buffer[64];
    if (text.size() > sizeof buffer) return Contains(FoldCase(text), folded);
    FoldCaseInto(text, buffer);
    return Contains(std::string_view(buffer, text.size()), folded);
}

}  // namespace

int FindStartRow(int selectedRow, FindDirection direction) {
    if (selectedRow < 0) return direction == FindDirection::Down ? 0 : -1;
    return direction == FindDirection::Down ? selectedRow + 1 : selectedRow - 1;
}

bool RowMatches(const FindRowTexts& row, std::string_view search, bool matchCase) {
    if (matchCase) return Contains(row.payee, search) || Contains(row.memo, search) || Contains(row.number, search);
    return ContainsFolded(row.payee, search) || ContainsFolded(row.memo, search) || Contains(row.number, search);
}

FindRowTexts FindTextsOf(const Transaction& t, NumberText& number) {
    return {t.payee.view().substr(0, kFindPayeeLength), t.memo.view().substr(0, kFindMemoLength),
            NumberTextOf(t.number, number).substr(0, kFindNumberLength)};
}

FindOutcome FindNext(std::string_view typed, bool matchCase, FindDirection direction, int selectedRow, int rowCount,
                     const std::function<FindRowTexts(int)>& rowTexts) {
    const std::string_view cut = typed.substr(0, kFindTextLength);
    if (cut.empty()) return {-1, Refused(kEnterTextToFind, IDC_FIND_TEXT)};
    const std::string search = matchCase ? std::string(cut) : FoldCase(cut);
    const int step = direction == FindDirection::Down ? 1 : -1;
    for (int row = FindStartRow(selectedRow, direction); PositionInList(row, rowCount) >= 0; row += step)
        if (RowMatches(rowTexts(row), search, matchCase)) return {row, {}};
    return {-1, Failed(kDoneSearching)};
}
