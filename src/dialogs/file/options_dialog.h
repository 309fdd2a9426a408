#pragma once
// The Options dialog (126): the date order every date is shown in.

#include <windows.h>

#include <cstdint>

// Runs the dialog over `owner`, starting from `dateFormat`: 1 after OK, with
// `dateFormat` set to the order chosen (0 American, 1 European), 2 after
// Cancel, which changes nothing.
INT_PTR ShowOptionsDialog(HWND owner, std::int32_t& dateFormat);
