#pragma once
// The Charts dialog (143): the document's money as a chart, by category,
// over time or by month, for one account or a group of them and a period;
// printed or copied as it is shown.

#include <windows.h>

#include <cstdint>

#include "model/document.h"

// Runs the dialog over `owner`, starting at the account at `currentAccount`
// (a position in the account list); `dateFormat` orders the dates of the
// chart's texts. It changes nothing and ends with IDCANCEL.
INT_PTR ShowChartsDialog(HWND owner, const Document& document, std::int32_t currentAccount, std::int32_t dateFormat);
