#pragma once
// The Backup/Restore dialog (134): a copy of the open data as "backup.pwf" in
// a folder of the user's choice, and that copy brought back.

#include <windows.h>

#include "dialogs/exchange/dated_copies_dialog.h"

// Runs the dialog over `owner` for the open data and its file: 2 after
// Cancel, IDC_RESTORE once the data has been replaced by a backup or a dated
// copy (keeping its password; "Restore successful." is for the caller to say
// once the window shows it), 1 after a backup or a restore that could not
// read the backup.
INT_PTR ShowBackupDialog(HWND owner, const DatedCopySubject& subject);
