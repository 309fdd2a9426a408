#include "model/exchange_rules.h"

bool IsMissingPath(std::string_view text) { return text.empty() || text.front() == ' '; }

std::optional<std::string> BackupPath(std::string_view location) {
    if (IsMissingPath(location)) return std::nullopt;
    std::string path(location);
    if (path.back() != '\\') path += '\\';
    path += kBackupFileName;
    if (path.size() + kSaveTemporarySuffix.size() > kMaxPathLength) return std::nullopt;
    return path;
}

bool RestoreBackup(Document& document, const std::string& path) {
    const Text31 password = document.password;
    if (!document.Load(path)) return false;
    // The restored data keeps the password of the data it replaces: the user is never asked for the backup's.
    document.password = password;
    return true;
}
