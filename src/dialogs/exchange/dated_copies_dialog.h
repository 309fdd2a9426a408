#pragma once
// The Restore a Dated Copy dialog (144): the copies every save kept of the
// open file, newest first, and the one chosen brought back in place of the
// open data, which is itself kept as a copy first.

#include <windows.h>

#include <cstdint>
#include <string>

#include "model/document.h"
#include "model/file/dated_copies.h"

struct DatedCopySubject {
    Document& document;        // the open data
    const std::string& dataFile;  // its file
    const DatedCopySettings& settings;
    std::int32_t dateFormat;
};

// Runs the dialog over `owner`: IDOK once the document was replaced by a
// copy (keeping its password; the caller says "Restore successful." once the
// window shows it), IDCANCEL otherwise.
INT_PTR ShowDatedCopiesDialog(HWND owner, const DatedCopySubject& subject);
