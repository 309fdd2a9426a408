#include "dialogs/exchange/import_statement_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "dialogs/dialog_controls.h"
#include "resources/resource.h"
#include "shell/list_view.h"
#include "shell/program.h"

namespace {

struct ImportContext {
    const ImportStatementSubject& subject;
    ImportStatementResult result;
    std::int32_t account = 0;
    Statement statement;
    std::vector<PreviewLine> lines;
    bool filling = false;  // the boxes are being set: their changes are not the user's
};

ImportContext& Context(HWND dialog) { return DialogContext<ImportContext>(dialog); }

HWND Lines(HWND dialog) { return GetDlgItem(dialog, IDC_STATEMENT_LINES); }

// The CSV columns panel, a child dialog of its own; nullptr for another file.
HWND Panel(HWND dialog) { return GetDlgItem(dialog, IDC_CSV_PANEL); }

// The CSV column boxes and the mapping field each sets.
constexpr struct {
    int control;
    int CsvMapping::*column;
} kColumnBoxes[] = {
    {IDC_CSV_DATE, &CsvMapping::date},         {IDC_CSV_PAYEE, &CsvMapping::payee},
    {IDC_CSV_MEMO, &CsvMapping::memo},         {IDC_CSV_NUMBER, &CsvMapping::number},
    {IDC_CSV_CATEGORY, &CsvMapping::category}, {IDC_CSV_AMOUNT, &CsvMapping::amount},
    {IDC_CSV_DEBIT, &CsvMapping::debit},       {IDC_CSV_CREDIT, &CsvMapping::credit},
    {IDC_CSV_INDICATOR, &CsvMapping::indicator},
};

// A drop-down list's entries (texts or C strings) with entry `choice` selected (-1 for none).
void Fill(HWND dialog, int control, const auto& entries, int choice) {
    HWND box = GetDlgItem(dialog, control);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (const auto& entry : entries)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(entry).c_str()));
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
}

void ShowSummary(HWND dialog) {
    const ImportContext& context = Context(dialog);
    SetDlgItemTextA(dialog, IDC_STATEMENT_SUMMARY,
                    PreviewSummaryText(context.lines, context.statement.unreadableLines).c_str());
}

// The lines against the chosen account, all shown again.
void Preview(HWND dialog) {
    ImportContext& context = Context(dialog);
    WaitCursor wait;
    context.lines = PreviewStatement(context.subject.document, context.account, context.statement);
    SendMessageA(Lines(dialog), LVM_SETITEMCOUNT, context.lines.size(), 0);
    InvalidateRect(Lines(dialog), nullptr, TRUE);
    ShowSummary(dialog);
}

// The statement the file's choices give, previewed.
void Reread(HWND dialog) {
    Context(dialog).statement = ChosenStatement(Context(dialog).subject.file);
    Preview(dialog);
}

void SetRowBox(HWND dialog, int control, int row) {
    SetDlgItemTextA(dialog, control, row < 0 ? "" : std::to_string(row + 1).c_str());
}

// Every CSV box as the mapping has it.
void ShowMapping(HWND dialog) {
    ImportContext& context = Context(dialog);
    const StatementFile& file = context.subject.file;
    const CsvMapping& mapping = file.mapping;
    HWND panel = Panel(dialog);
    context.filling = true;
    SetRowBox(panel, IDC_CSV_FIRST_ROW, mapping.firstRow);
    SetRowBox(panel, IDC_CSV_LAST_ROW, mapping.lastRow);
    const std::vector<std::string> columns = CsvColumnChoices(file.table, mapping);
    for (const auto& box : kColumnBoxes) Fill(panel, box.control, columns, mapping.*box.column + 1);
    Fill(panel, IDC_CSV_OUT_VALUE, CsvIndicatorValues(file.table, mapping), -1);
    SetDlgItemTextA(panel, IDC_CSV_OUT_VALUE, mapping.outIndicator.c_str());
    Fill(panel, IDC_CSV_DATE_ORDER, kCsvDateOrderChoices, static_cast<int>(mapping.dateOrder));
    const auto separator = std::find(std::begin(kCsvSeparators), std::end(kCsvSeparators), mapping.dateSeparator);
    Fill(panel, IDC_CSV_SEPARATOR, kCsvSeparatorChoices, static_cast<int>(separator - std::begin(kCsvSeparators)));
    Fill(panel, IDC_CSV_DECIMAL_MARK, kCsvDecimalMarkChoices, mapping.decimalMark == DecimalMark::Comma ? 1 : 0);
    context.filling = false;
}

// A row box's row, 0-based; -1 when it is empty.
int RowOfBox(HWND dialog, int control) {
    const std::string text = ControlText(dialog, control);
    if (text.empty()) return -1;
    return std::max(0, std::atoi(text.substr(0, 9).c_str()) - 1);
}

// The mapping as the boxes have it.
void ReadMapping(HWND dialog, int changed) {
    CsvMapping& mapping = Context(dialog).subject.file.mapping;
    HWND panel = Panel(dialog);
    mapping.firstRow = std::max(0, RowOfBox(panel, IDC_CSV_FIRST_ROW));
    mapping.lastRow = RowOfBox(panel, IDC_CSV_LAST_ROW);
    for (const auto& box : kColumnBoxes) mapping.*box.column = DropDownChoice(panel, box.control) - 1;
    mapping.dateOrder = static_cast<DateOrder>(std::max(0, DropDownChoice(panel, IDC_CSV_DATE_ORDER)));
    mapping.dateSeparator = kCsvSeparators[std::max(0, DropDownChoice(panel, IDC_CSV_SEPARATOR))];
    mapping.decimalMark = DropDownChoice(panel, IDC_CSV_DECIMAL_MARK) == 1 ? DecimalMark::Comma : DecimalMark::Period;
    // A choice from the list is not yet the box's text when it is announced.
    const int out = DropDownChoice(panel, IDC_CSV_OUT_VALUE);
    if (changed == IDC_CSV_OUT_VALUE && out >= 0) {
        char value[64] = {};
        if (SendDlgItemMessageA(panel, IDC_CSV_OUT_VALUE, CB_GETLBTEXTLEN, out, 0) < static_cast<LRESULT>(sizeof value))
            SendDlgItemMessageA(panel, IDC_CSV_OUT_VALUE, CB_GETLBTEXT, out, reinterpret_cast<LPARAM>(value));
        mapping.outIndicator = value;
    } else {
        mapping.outIndicator = ControlText(panel, IDC_CSV_OUT_VALUE);
    }
}

void ShowControls(HWND dialog, std::initializer_list<int> controls, bool shown) {
    for (int control : controls) ShowWindow(GetDlgItem(dialog, control), shown ? SW_SHOW : SW_HIDE);
}

// The panel sends its controls' notices on to the dialog, which reads its boxes.
INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return FALSE;
    SendMessageA(GetParent(panel), WM_COMMAND, wParam, lParam);
    return TRUE;
}

// Made only for a CSV file: its thirty windows would slow every other preview.
// It goes after the date order box in the tab order.
HWND CreatePanel(HWND dialog) {
    HWND panel = CreateDialogParamA(App.instance, MAKEINTRESOURCEA(IDD_CSV_COLUMNS), dialog, PanelProc, 0);
    if (panel == nullptr) return nullptr;
    SetWindowLongPtrA(panel, GWLP_ID, IDC_CSV_PANEL);
    RECT place{7, 25, 0, 0};
    MapDialogRect(dialog, &place);
    SetWindowPos(panel, GetDlgItem(dialog, IDC_STATEMENT_DATE_ORDER), place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return panel;
}

// The list starts below what the file needs above it and keeps its bottom.
void PlaceList(HWND dialog, int topInDialogUnits) {
    RECT top{0, topInDialogUnits, 0, 0};
    MapDialogRect(dialog, &top);
    RECT list;
    GetWindowRect(Lines(dialog), &list);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&list), 2);
    MoveWindow(Lines(dialog), list.left, top.top, list.right - list.left, list.bottom - top.top, TRUE);
}

void InitChoices(HWND dialog) {
    ImportContext& context = Context(dialog);
    const StatementFile& file = context.subject.file;
    std::vector<std::string> statements;
    for (const Statement& statement : file.statements) statements.push_back(StatementChoiceText(statement));
    Fill(dialog, IDC_STATEMENT_CHOICE, statements, file.chosen);
    ShowControls(dialog, {IDC_STATEMENT_CHOICE, IDC_STATEMENT_CHOICE_LABEL}, file.format == StatementFormat::Ofx);
    EnableWindow(GetDlgItem(dialog, IDC_STATEMENT_CHOICE), statements.size() > 1);

    const bool asksOrder = file.format == StatementFormat::Qif && !file.ambiguousDate.empty();
    Fill(dialog, IDC_STATEMENT_DATE_ORDER, DateOrderChoices(file.ambiguousDate), static_cast<int>(file.qifOrder));
    ShowControls(dialog, {IDC_STATEMENT_DATE_ORDER, IDC_STATEMENT_DATE_ORDER_LABEL}, asksOrder);

    if (file.format == StatementFormat::Csv && CreatePanel(dialog) != nullptr) {
        std::vector<std::string> names;
        for (const CsvProfile& profile : context.subject.profiles) names.push_back(profile.name);
        Fill(Panel(dialog), IDC_CSV_PROFILE, names, -1);
        ShowMapping(dialog);
        PlaceList(dialog, 120);
    } else if (asksOrder) {
        PlaceList(dialog, 43);
    }
}

bool OnInit(HWND dialog) {
    ImportContext& context = Context(dialog);
    const ImportStatementSubject& subject = context.subject;
    context.filling = true;
    HWND list = Lines(dialog);
    AddListColumns(list, kStatementPreviewColumns);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    // A virtual list asks for the ticks too.
    SendMessageA(list, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    KeepSpaceForTicks(list);

    const StatementFile& file = subject.file;
    const std::int32_t named = file.format == StatementFormat::Ofx
                                   ? AccountForStatement(subject.document, file.statements[file.chosen].accountId)
                                   : -1;
    context.account = named >= 0 ? named : std::max(subject.currentAccount, 0);
    FillAccountList(dialog, IDC_STATEMENT_ACCOUNT, subject.document, context.account);
    FillCategoryList(dialog, IDC_STATEMENT_LINE_CATEGORY, subject.document, -1);
    InitChoices(dialog);
    context.filling = false;
    Reread(dialog);
    SetFocus(list);
    if (!context.lines.empty())
        ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    return false;
}

void RedrawRows(HWND dialog, const std::vector<int>& rows) {
    if (rows.empty()) return;
    ListView_RedrawItems(Lines(dialog), rows.front(), rows.back());
    ShowSummary(dialog);
}

// The rows all take the tick the first of them did not have.
void ToggleTicks(HWND dialog, const std::vector<int>& rows) {
    std::vector<PreviewLine>& lines = Context(dialog).lines;
    if (rows.empty() || static_cast<std::size_t>(rows.front()) >= lines.size()) return;
    const bool tick = !lines[static_cast<std::size_t>(rows.front())].ticked;
    for (int row : rows)
        if (static_cast<std::size_t>(row) < lines.size()) lines[static_cast<std::size_t>(row)].ticked = tick;
    RedrawRows(dialog, rows);
}

void OnLinesCategory(HWND dialog) {
    const int category = DropDownChoice(dialog, IDC_STATEMENT_LINE_CATEGORY);
    if (category < 0) return;
    const std::vector<int> rows = SelectedRows(Lines(dialog));
    for (int row : rows) Context(dialog).lines[static_cast<std::size_t>(row)].transaction.category = category;
    RedrawRows(dialog, rows);
}

LRESULT OnNotify(HWND dialog, NMHDR& header) {
    if (header.hwndFrom != Lines(dialog)) return 0;
    ImportContext& context = Context(dialog);
    switch (header.code) {
    case LVN_GETDISPINFOA: {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
        if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= context.lines.size()) return 0;
        const PreviewLine& line = context.lines[static_cast<std::size_t>(item.iItem)];
        AnswerCheckBox(item, line.ticked);
        const Document& document = context.subject.document;
        const int field = kStatementPreviewColumns[std::clamp(item.iSubItem, 0, kStatementPreviewColumnCount - 1)].field;
        AnswerCellText(item, PreviewCellText(document, document.GetAccount(context.account), line, field, Program.DateFormat));
        return 0;
    }
    case NM_CLICK:
    case NM_DBLCLK:
        if (const int row = CheckBoxRowClicked(Lines(dialog), reinterpret_cast<NMITEMACTIVATE&>(header)); row >= 0)
            ToggleTicks(dialog, {row});
        return 0;
    case LVN_KEYDOWN:
        if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_SPACE) ToggleTicks(dialog, SelectedRows(Lines(dialog)));
        return 0;
    }
    return 0;
}

void OnSaveProfile(HWND dialog) {
    const ImportStatementSubject& subject = Context(dialog).subject;
    HWND panel = Panel(dialog);
    const std::string name = ControlText(panel, IDC_CSV_PROFILE).substr(0, 64);
    if (name.find_first_not_of(' ') == std::string::npos) {
        ShowMessage(kEnterProfileName, dialog);
        SetFocus(GetDlgItem(panel, IDC_CSV_PROFILE));
        return;
    }
    const CsvProfile profile{name, CsvProfileText(subject.file.mapping)};
    subject.saveProfile(profile);
    const auto same = std::find_if(subject.profiles.begin(), subject.profiles.end(),
                                   [&](const CsvProfile& p) { return p.name == name; });
    if (same != subject.profiles.end()) {
        *same = profile;
        return;
    }
    subject.profiles.push_back(profile);
    SendDlgItemMessageA(panel, IDC_CSV_PROFILE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void OnProfileChosen(HWND dialog) {
    HWND panel = Panel(dialog);
    const int choice = DropDownChoice(panel, IDC_CSV_PROFILE);
    char name[128] = {};
    if (choice < 0 || SendDlgItemMessageA(panel, IDC_CSV_PROFILE, CB_GETLBTEXTLEN, choice, 0) >= static_cast<LRESULT>(sizeof name))
        return;
    SendDlgItemMessageA(panel, IDC_CSV_PROFILE, CB_GETLBTEXT, choice, reinterpret_cast<LPARAM>(name));
    ImportContext& context = Context(dialog);
    for (const CsvProfile& profile : context.subject.profiles)
        if (profile.name == name)
            if (const std::optional<CsvMapping> mapping = CsvMappingOfProfile(profile.text)) {
                // The rows of totals at the end are this file's own.
                const int lastRow = GuessCsvMapping(context.subject.file.table).lastRow;
                context.subject.file.mapping = *mapping;
                context.subject.file.mapping.lastRow = lastRow;
                ShowMapping(dialog);
                Reread(dialog);
            }
}

void OnChange(HWND dialog, int control) {
    ImportContext& context = Context(dialog);
    if (context.filling) return;
    StatementFile& file = context.subject.file;
    switch (control) {
    case IDC_STATEMENT_ACCOUNT:
        context.account = std::max(0, DropDownChoice(dialog, IDC_STATEMENT_ACCOUNT));
        Preview(dialog);
        return;
    case IDC_STATEMENT_CHOICE: {
        file.chosen = std::max(0, DropDownChoice(dialog, IDC_STATEMENT_CHOICE));
        // The account follows the statement when one has its number.
        const std::int32_t named = AccountForStatement(context.subject.document, file.statements[file.chosen].accountId);
        if (named >= 0) {
            context.account = named;
            SendDlgItemMessageA(dialog, IDC_STATEMENT_ACCOUNT, CB_SETCURSEL, named, 0);
        }
        Reread(dialog);
        return;
    }
    case IDC_STATEMENT_DATE_ORDER:
        file.qifOrder = DropDownChoice(dialog, IDC_STATEMENT_DATE_ORDER) == 1 ? DateOrder::DayMonthYear
                                                                               : DateOrder::MonthDayYear;
        Reread(dialog);
        return;
    case IDC_STATEMENT_LINE_CATEGORY:
        OnLinesCategory(dialog);
        return;
    case IDC_CSV_PROFILE:
        // Typing a name only names the profile to save.
        if (DropDownChoice(Panel(dialog), IDC_CSV_PROFILE) >= 0) OnProfileChosen(dialog);
        return;
    }
    if (control < IDC_CSV_GROUP || control > IDC_CSV_DECIMAL_MARK) return;
    const int firstRow = file.mapping.firstRow, indicator = file.mapping.indicator;
    ReadMapping(dialog, control);
    // The column names come from the row above the data; the indicator's values from its column.
    if (file.mapping.firstRow != firstRow || file.mapping.indicator != indicator) ShowMapping(dialog);
    Reread(dialog);
}

void OnImport(HWND dialog) {
    ImportContext& context = Context(dialog);
    const PreviewTotals totals = TickedTotals(context.lines);
    if (totals.count == 0) {
        ShowMessage(kNoStatementLinesTicked, dialog);
        return;
    }
    {
        WaitCursor wait;
        if (!ImportPreviewLines(context.subject.document, context.account, context.lines)) {
            ShowMessage(kErrorAddingTransaction, dialog);
            return;
        }
        KeepStatementClosing(context.subject.document.GetAccount(context.account), context.statement);
    }
    const int skipped = static_cast<int>(std::count_if(context.lines.begin(), context.lines.end(), [](const PreviewLine& l) {
        return l.alreadyThere && !l.ticked;
    }));
    context.result = {IDOK, context.account, totals.count, skipped};
    EndDialog(dialog, IDOK);
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_CSV_SAVE_PROFILE) return false;
    OnSaveProfile(dialog);
    return true;
}

}  // namespace

ImportStatementResult ShowImportStatementDialog(HWND owner, const ImportStatementSubject& subject) {
    ImportContext context{subject, {}, 0, {}, {}, false};
    RunDialog(owner, IDD_IMPORT_STATEMENT,
              {.init = OnInit, .ok = OnImport, .command = OnCommand, .change = OnChange, .notify = OnNotify}, &context);
    return context.result;
}
