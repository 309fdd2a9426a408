#pragma once
// Platform steps of a safe save; one implementation per platform.

#include <cstdint>
#include <cstdio>
#include <string>

// False when `path` names an existing file that must not be replaced (read-only).
bool IsReplaceable(const std::string& path);

// Pushes a written file's bytes to the disk; false on any error.
bool FlushToDisk(std::FILE* file);

// Puts `temporary` in the place of `target` in one step, replacing an existing
// file; false, with `target` untouched, on failure.
bool PutInPlace(const std::string& temporary, const std::string& target);

// Size of an open file in bytes; false when it cannot be told.
bool FileSize(std::FILE* file, std::uint64_t& size);
