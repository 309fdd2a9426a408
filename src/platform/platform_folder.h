#pragma once
// Folder steps of the dated copies: listing a folder, making one, and moving
// or copying a file into it; one implementation per platform.

#include <string>
#include <vector>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The names (without the folder) of the plain files in `folder`; none when it cannot be read.
std::vector<std::string> FileNamesIn(const std::string& folder);

// Whether `path` names a plain file.
bool IsFile(const std::string& path);

// Makes `folder` unless it is there; false when it is not there afterwards.
bool MakeFolder(const std::string& folder);

// Whether a file can be renamed from `folder` into `otherFolder` (both existing).
bool OnSameVolume(const std::string& folder, const std::string& otherFolder);

// Renames `from` to `to` without replacing a file there; false, with both untouched, on failure.
bool MoveFileTo(const std::string& from, const std::string& to);

// Copies `from` to a new file `to` and pushes it to the disk; false, with no
// file `to` left, on failure.
bool CopyFileTo(const std::string& from, const std::string& to);
