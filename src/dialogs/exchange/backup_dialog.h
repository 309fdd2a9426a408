#pragma once
// The Backup/Restore dialog (134): a copy of the open data as "backup.pwf" in
// a folder of the user's choice, and that copy brought back.

#include <windows.h>

#include "model/document.h"

// Runs the dialog over `owner` for the open data `document`: 2 after Cancel,
// IDC_RESTORE once it has been replaced by a backup (keeping its password; "Restore
// successful." is for the caller to say once the window shows it), 1 after
// a backup or a restore that could not read the backup.
INT_PTR ShowBackupDialog(HWND owner, Document& document);
