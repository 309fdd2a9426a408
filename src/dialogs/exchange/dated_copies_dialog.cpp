#include "dialogs/exchange/dated_copies_dialog.h"

#include <commctrl.h>

#include <vector>

#include "dialogs/dialog_controls.h"
#include "dialogs/file/enter_password_dialog.h"
#include "model/file/dated_copy_list.h"
#include "resources/resource.h"
#include "shell/list_view.h"
#include "shell/program.h"

namespace {

struct DatedCopiesContext {
    const DatedCopySubject& subject;
    std::vector<DatedCopyRow> rows;
};

DatedCopiesContext& Context(HWND dialog) { return DialogContext<DatedCopiesContext>(dialog); }

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_DATED_COPY_LIST); }

int ChosenRow(HWND dialog) { return ListView_GetNextItem(List(dialog), -1, LVNI_SELECTED); }

bool OnInit(HWND dialog) {
    DatedCopiesContext& context = Context(dialog);
    const DatedCopySubject& subject = context.subject;
    {
        WaitCursor wait;
        context.rows = ListDatedCopies(subject.dataFile, subject.settings, subject.dateFormat);
    }
    HWND list = List(dialog);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddListColumns(list, kDatedCopyColumns);
    ListView_SetItemCountEx(list, static_cast<int>(context.rows.size()), 0);
    const std::string folder = DatedCopyFolder(subject.dataFile, subject.settings.folder);
    const std::string note = context.rows.empty() ? "No dated copies of this file in " + folder + " yet."
                                                  : "In " + folder;
    SetDlgItemTextA(dialog, IDC_DATED_COPY_NOTE, note.c_str());
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    if (context.rows.empty()) return true;
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(list);
    return false;
}

// Restore is the OK button: after the warning, the data open is kept as a
// copy, then replaced by the chosen one.
void OnRestore(HWND dialog) {
    DatedCopiesContext& context = Context(dialog);
    const int row = ChosenRow(dialog);
    if (row < 0 || static_cast<std::size_t>(row) >= context.rows.size()) return;
    if (ShowMessage(kRestoreWarning, dialog) != IDYES) return;
    const DatedCopySubject& subject = context.subject;
    LoadNotes notes;
    DatedRestore restored;
    {
        WaitCursor wait;
        restored = RestoreDatedCopy(subject.document, subject.dataFile, context.rows[row].path, subject.settings,
                                    LocalTimeNow(), notes,
                                    [dialog](const EnvelopeHeader& header) { return AskFilePassword(dialog, header); });
    }
    switch (restored) {
    case DatedRestore::NotKept:
        ShowMessage(kErrorSavingFile, dialog);
        return;
    case DatedRestore::Unreadable:
        ShowMessage(kErrorOpeningFile, dialog);
        return;
    case DatedRestore::Cancelled:
        return;
    case DatedRestore::Restored:
        if (notes.extensionUnreadable) ShowMessage(kExtensionUnreadable, dialog);
        EndDialog(dialog, IDOK);
        return;
    }
}

LRESULT OnNotify(HWND dialog, NMHDR& header) {
    if (header.idFrom != IDC_DATED_COPY_LIST) return 0;
    switch (header.code) {
    case LVN_GETDISPINFOA: {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
        const std::vector<DatedCopyRow>& rows = Context(dialog).rows;
        if (item.iItem >= 0 && static_cast<std::size_t>(item.iItem) < rows.size() && item.iSubItem >= 0 &&
            item.iSubItem < static_cast<int>(std::size(rows[0].cells)))
            AnswerCellText(item, rows[item.iItem].cells[item.iSubItem]);
        return 0;
    }
    case LVN_ITEMCHANGED:
        EnableWindow(GetDlgItem(dialog, IDOK), ChosenRow(dialog) >= 0);
        return 0;
    case NM_DBLCLK:
        if (ChosenRow(dialog) >= 0) OnRestore(dialog);
        return 0;
    }
    return 0;
}

}  // namespace

INT_PTR ShowDatedCopiesDialog(HWND owner, const DatedCopySubject& subject) {
    DatedCopiesContext context{subject, {}};
    return RunDialog(owner, IDD_DATED_COPIES, {.init = OnInit, .ok = OnRestore, .notify = OnNotify}, &context);
}
