#pragma once
// The stats panel: a borderless child dialog at the right edge of the frame.

#include <cstdint>

#include "model/document.h"

// Creates the panel hidden; false when it cannot be made.
bool CreateStatsPanel();

// Rebuilds every text of the panel from `document`, the account at
// `account` (-1 for none) and today's date.
void RefreshStats(const Document& document, std::int32_t account);
