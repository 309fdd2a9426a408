#pragma once
// The stats panel: a borderless child dialog at the right edge of the frame.

// Creates the panel hidden; false when it cannot be made.
bool CreateStatsPanel();

// Rebuilds every text of the panel from the document, the current account
// and today's date.
void RefreshStats();
