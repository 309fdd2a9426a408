#pragma once
// The main window's title: the program, the open file and the current account.

#include <string>

// The longest base name the title shows; a longer one is cut.
inline constexpr std::size_t kTitleBaseNameLength = 49;

// The file's base name: the path after its last backslash (the whole path
// without one) less its last four characters (".pwf"), at most 49 characters.
std::string TitleBaseName(const std::string& path);

// "Pennywhist", then " - " and the base name when a file is open, then
// " (" account name ")" when an account is current (accountName not null).
std::string MainWindowTitle(const std::string& filePath, const char* accountName);

// The title of a printout: the window's title, at most `most` characters,
// then `suffix`.
std::string PrintTitle(const std::string& windowTitle, std::size_t most, const char* suffix = "");

// A path as given on a command line, with every double quote removed.
std::string RemoveQuotes(std::string path);
