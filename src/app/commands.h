#pragma once
// The handlers of the menu, toolbar and accelerator commands, one per
// command; RunCommand picks them by identifier. Each opens what its command
// shows and refreshes the views after what changed.

#include <string>

#include "shell/program.h"

// Runs a menu, toolbar or accelerator command (ids outside the program's range are ignored).
void RunCommand(int command);

// File menu (file_commands.cpp)
void OnNewFile();
void OnOpen();
void OnSave();
void OnSaveAs();
void OnPassword();
void OnClose();

// Import, backup and restore (exchange_commands.cpp)
void OnImport();
void OnImportStatement();
// The Import Statement preview of the file at `path`, then the import.
void ImportStatementFile(const std::string& path);
void OnBackupRestore();

// Accounts, and bills and deposits (account_commands.cpp)
void OnNewAccount();
void OnAccounts();
void OnBillsDeposits();
void OnReconcile();

// Transactions of the current account (transaction_commands.cpp)
void OnNewTransaction();
void OnEditTransaction();
void OnDeleteTransaction();
void OnFindTransaction();
void OnUndo();
void OnRedo();

// Tools (commands.cpp)
void OnCategories();
void OnCalculator();
void OnOptions();

// The stats panel shown or hidden (main_window.cpp)
void OnShowStats();

// Printing and summaries of the current account, and charts (report_commands.cpp)
void OnPrint();
void OnExport();
void OnSummaryByCategory();
void OnSummaryByMonth();
void OnCharts();

// Help (help_commands.cpp)
void OnHelpContents();
void OnGettingStarted();
void OnAbout();
