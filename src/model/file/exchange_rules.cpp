#include "model/file/exchange_rules.h"

#include "model/typed_text.h"
#include "resources/resource.h"

std::optional<std::string> BackupPath(std::string_view location) {
    if (IsMissingText(location)) return std::nullopt;
    std::string path(location);
    if (path.back() != '\\') path += '\\';
    path += kBackupFileName;
    if (path.size() + kSaveTemporarySuffix.size() > kMaxPathLength) return std::nullopt;
    return path;
}

TypedPath ImportPath(std::string_view typed) {
    const std::string_view path = typed.substr(0, kMaxPathLength);
    if (IsMissingText(path)) return {std::nullopt, Refused(kEnterImportFile, IDC_IMPORT_FILE, true)};
    return {std::string(path), {}};
}

TypedPath BackupLocation(std::string_view typed) {
    std::optional<std::string> path = BackupPath(typed);
    if (!path) return {std::nullopt, Refused(kEnterLocation, IDC_BACKUP_LOCATION)};
    return {std::move(path), {}};
}

bool RestoreBackup(Document& document, const std::string& path, LoadNotes& notes) {
    const Text31 password = document.password;
    if (!document.Load(path, &notes)) return false;
    // The restored data keeps the password of the data it replaces: the user is never asked for the backup's.
    document.password = password;
    return true;
}
