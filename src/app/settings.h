#pragma once
// The settings kept in the current user's registry, and the help folder.

#include <string>
#include <vector>

#include "model/statements/statement_preview.h"

// Reads the help folder, then the per-user settings into the program-wide
// values, the frame's placement (which shows the frame) and the list's column
// widths. False when no settings are stored yet (first run).
bool LoadSettings();

// The file that was open when the program last closed, before LoadSettings
// has run; empty when there was none.
std::string ReadLastFile();

// Writes every per-user setting; false when the key cannot be created or opened.
bool SaveSettings();

// The CSV column mappings saved by name under the "Statement Profiles" key;
// a value that is not a profile's text is left out.
std::vector<CsvProfile> ReadStatementProfiles();

// Saves or replaces one; a registry error is silent.
void SaveStatementProfile(const CsvProfile& profile);
