#pragma once
// The Reconcile dialog (142): an account against its bank statement. The
// statement's closing date and balance; the transactions not yet reconciled,
// ticked as the statement shows them; the figures down to the difference.

#include <windows.h>

#include "model/account.h"

// Runs the dialog over `owner`. It ends with IDOK after Finish or Finish
// Later, which change the account's marks (and add an adjustment when Adjust
// made one); Cancel (IDCANCEL) changes nothing.
INT_PTR ShowReconcileDialog(HWND owner, Account& account);
