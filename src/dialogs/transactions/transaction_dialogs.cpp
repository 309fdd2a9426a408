#include "dialogs/transactions/transaction_dialogs.h"

#include <commctrl.h>

#include <string>

#include "dialogs/dialog_controls.h"
#include "model/account_types.h"
#include "model/help_topics.h"
#include "model/rules/reconcile_rules.h"
#include "model/rules/transaction_editor_rules.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/program.h"

namespace {

// What one opening of either dialog works on; it lives while the dialog is open.
struct Editing {
    const Document& document;  // its categories
    Account& account;
    std::int32_t position;  // the transaction edited, or kNewTransaction

    static constexpr std::int32_t kNewTransaction = -1;
    bool IsNew() const { return position == kNewTransaction; }
};

void FillFields(HWND dialog, const Editing& editing, const TransactionFields& fields) {
    const std::int32_t accountType = editing.account.type;
    FillCategoryList(dialog, IDC_TRANSACTION_CATEGORY, editing.document, fields.category);
    SetDlgItemTextA(dialog, IDC_TRANSACTION_NUMBER, fields.number.c_str());
    SetPickerDate(dialog, IDC_TRANSACTION_DATE, fields.date);
    SetDlgItemTextA(dialog, IDC_TRANSACTION_AMOUNT, fields.amount.c_str());
    SetDlgItemTextA(dialog, IDC_TRANSACTION_PAYEE, fields.payee.c_str());
    SetDlgItemTextA(dialog, IDC_TRANSACTION_MEMO, fields.memo.c_str());
    SetDlgItemTextA(dialog, IDC_FIRST_KIND, KindWord(accountType, KindIn));
    SetDlgItemTextA(dialog, IDC_SECOND_KIND, KindWord(accountType, KindOut));
    CheckRadioButton(dialog, IDC_FIRST_KIND, IDC_SECOND_KIND,
                     AddsToBalance(fields.kind) ? IDC_FIRST_KIND : IDC_SECOND_KIND);
}

TransactionFields ReadFields(HWND dialog) {
    TransactionFields fields;
    fields.amount = ControlText(dialog, IDC_TRANSACTION_AMOUNT);
    fields.kind = IsDlgButtonChecked(dialog, IDC_FIRST_KIND) == BST_CHECKED ? KindIn : KindOut;
    fields.date = PickerDate(dialog, IDC_TRANSACTION_DATE);
    fields.category = DropDownChoice(dialog, IDC_TRANSACTION_CATEGORY);
    fields.number = ControlText(dialog, IDC_TRANSACTION_NUMBER);
    fields.payee = ControlText(dialog, IDC_TRANSACTION_PAYEE);
    fields.memo = ControlText(dialog, IDC_TRANSACTION_MEMO);
    return fields;
}

// OK, or "Add more..." (New Transaction only), which ends the dialog with
// IDC_ADD_MORE so that its caller opens the next one.
void Store(HWND dialog, bool addMore) {
    const Editing& editing = DialogContext<const Editing>(dialog);
    const TransactionFields fields = ReadFields(dialog);
    // A No leaves the dialog as it is, for the user to put the figures back.
    if (!editing.IsNew()) {
        const std::optional<Transaction> changed = TransactionOf(fields);
        if (changed && ChangesReconciled(editing.account.GetTransaction(editing.position), *changed) &&
            ShowMessage(kChangeReconciledQuestion, dialog) != IDYES)
            return;
    }
    const RuleOutcome outcome = editing.IsNew()
                                    ? AddTransactionFromFields(editing.account, fields)
                                    : ReplaceTransactionFromFields(editing.account, editing.position, fields);
    ApplyOutcome(dialog, outcome, addMore ? IDC_ADD_MORE : IDOK);
}

void OnOk(HWND dialog) { Store(dialog, false); }

// The focus goes on the amount.
bool OnInit(HWND dialog) {
    const Editing& editing = DialogContext<const Editing>(dialog);
    const TransactionFields fields =
        editing.IsNew() ? NewTransactionFields(editing.document, editing.account, Today())
                        : EditTransactionFields(editing.document, editing.account.GetTransaction(editing.position));
    FillFields(dialog, editing, fields);
    SetFocus(GetDlgItem(dialog, IDC_TRANSACTION_AMOUNT));
    return false;
}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_ADD_MORE:
        Store(dialog, true);
        return true;
    case IDC_HELP_BUTTON:
        ShowHelpTopic(dialog, kHelpTransactions);
        return true;
    }
    return false;
}

// Both templates share the handlers.
INT_PTR ShowTransactionDialog(HWND owner, int dialogId, Editing editing) {
    return RunDialog(owner, dialogId, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &editing);
}

}  // namespace

INT_PTR ShowNewTransactionDialog(HWND owner, const Document& document, Account& account) {
    return ShowTransactionDialog(owner, IDD_NEW_TRANSACTION, Editing{document, account, Editing::kNewTransaction});
}

INT_PTR ShowEditTransactionDialog(HWND owner, const Document& document, Account& account, std::int32_t position) {
    if (account.FindTransaction(position) == nullptr) return IDCANCEL;
    return ShowTransactionDialog(owner, IDD_EDIT_TRANSACTION, Editing{document, account, position});
}
