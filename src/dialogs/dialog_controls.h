#pragma once
// What every dialog shares: one procedure that runs it, and what its handlers
// do with its controls (read a box whole, apply what the core decided on an
// OK: its message, the end of the dialog or the focus back on a refused box).

#include <windows.h>

#include <string>

#include "model/dates.h"
#include "model/document.h"
#include "model/rule_outcome.h"

// The whole text of a control (the core's rules keep what counts of it).
std::string ControlText(HWND dialog, int control);

// A password box's text as far as a password holds (a longer text is cut
// there by the rules too), read through a buffer that is then wiped, so that
// a typed password never reaches the heap.
Text31 PasswordBoxText(HWND dialog, int control);

// Shows the outcome's message over the dialog, then ends the dialog (with
// `changedResult` when it changed something, 2 otherwise) or gives the
// refused box the focus.
void ApplyOutcome(HWND dialog, const RuleOutcome& outcome, INT_PTR changedResult = IDOK);

// The drop-down lists of the editors: every category, or every account, of
// `document` in list order, with entry `choice` selected (-1 for none).
void FillCategoryList(HWND dialog, int control, const Document& document, int choice);
void FillAccountList(HWND dialog, int control, const Document& document, int choice);
// The entry selected in a drop-down list, -1 for none.
int DropDownChoice(HWND dialog, int control);

// The account type of the type buttons (Bank, Credit, Budget, Cash): the one
// checked, Other when none is.
std::int32_t CheckedAccountType(HWND dialog);

// A date picker's date (time of day zero).
void SetPickerDate(HWND dialog, int control, const Date& date);
Date PickerDate(HWND dialog, int control);

// Moves a dialog to the top-left corner of its owner's client area.
void PlaceAtOwnersCorner(HWND dialog);

// Gives a box the keyboard focus with its whole text selected, through the
// dialog manager so that the default button stays the default.
void FocusWithTextSelected(HWND dialog, int control);

// What one dialog does beyond the common procedure; a handler left out gets
// the common behaviour.
struct DialogHandlers {
    // WM_INITDIALOG. True lets the dialog manager focus the first tab stop;
    // false when the handler has put the focus somewhere itself.
    bool (*init)(HWND dialog) = nullptr;
    // OK, also Enter: without a handler the dialog ends with IDOK.
    void (*ok)(HWND dialog) = nullptr;
    // Any other button; true when it handled the click. Cancel (also Esc and
    // the close box) ends the dialog with IDCANCEL unless handled here.
    bool (*command)(HWND dialog, int control) = nullptr;
    // A drop-down list's new choice, or an edit box's (or an editable drop-down's) new text.
    void (*change)(HWND dialog, int control) = nullptr;
    // WM_NOTIFY from a control (a virtual list asking for its texts); what
    // the control gets back (0 for the default answer).
    LRESULT (*notify)(HWND dialog, NMHDR& header) = nullptr;
    // WM_SIZE of a resizable dialog (WS_THICKFRAME): its new client width and
    // height, for moving its controls; not called while it is minimised. A
    // dialog with this handler cannot be made smaller than its template.
    void (*size)(HWND dialog, int width, int height) = nullptr;
    // WM_DPICHANGED, once the lists' columns are rescaled: the dialog's own
    // pictures drawn again for the screen it has moved to.
    void (*dpiChanged)(HWND dialog, int dpi) = nullptr;
    // The help topic F1 opens; 0 for none.
    unsigned helpTopic = 0;
};

// Runs the dialog `templateId` over `owner` until a handler ends it; returns
// the value it ended with. `context` is what DialogContext gives the handlers.
INT_PTR RunDialog(HWND owner, int templateId, const DialogHandlers& handlers, void* context = nullptr);

// The `context` RunDialog was given for this dialog.
void* RunningDialogContext(HWND dialog);

template <class T>
T& DialogContext(HWND dialog) {
    return *static_cast<T*>(RunningDialogContext(dialog));
}
