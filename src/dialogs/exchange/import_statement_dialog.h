#pragma once
// The Import Statement dialog (140): a bank statement's lines as the
// transactions they would become in the chosen account, each New or Already
// in the account, ticked to be imported; for a CSV file, its columns.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "model/document.h"
#include "model/statements/statement_file.h"
#include "model/statements/statement_preview.h"

struct ImportStatementSubject {
    Document& document;
    std::int32_t currentAccount;  // preselected unless the statement names another; -1 for none
    StatementFile& file;          // its choices change with the user's
    std::vector<CsvProfile>& profiles;       // offered by name; a saved one joins them
    void (*saveProfile)(const CsvProfile&);  // keeps a profile for the next time
};

struct ImportStatementResult {
    INT_PTR end = IDCANCEL;  // IDOK when lines were imported
    std::int32_t account = -1;
    int added = 0;
    int skipped = 0;  // lines already in the account that stayed unticked
};

// Runs the dialog over `owner` (the document has an account); Import adds
// the ticked lines, Cancel changes nothing.
ImportStatementResult ShowImportStatementDialog(HWND owner, const ImportStatementSubject& subject);
