#pragma once
// The stats panel: a borderless child dialog at the right edge of the frame.

#include <cstdint>

#include "model/document.h"

// Creates the panel hidden, at the frame's DPI; false when it cannot be made.
bool CreateStatsPanel();

// The panel made again at the frame's new DPI, its font, sizes and icons
// with it, shown if it was; its texts are to be refreshed. False when it
// cannot be made.
bool RescaleStatsPanel();

// Rebuilds every text of the panel from `document`, the account at
// `account` (-1 for none) and today's date.
void RefreshStats(const Document& document, std::int32_t account);
