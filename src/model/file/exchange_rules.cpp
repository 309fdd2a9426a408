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

RestoreResult RestoreBackup(Document& document, const std::string& path, LoadNotes& notes,
                            const EnvelopeUnlocker& unlock) {
    const Text31 password = document.password;
    const FileProtection protection = document.protection;
    if (!document.Load(path, &notes)) {
        if (!notes.encrypted) return RestoreResult::Unreadable;
        std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path);
        const std::optional<EnvelopeHeader> header = bytes ? ReadEnvelopeHeader(*bytes) : std::nullopt;
        if (!header) return RestoreResult::Unreadable;
        // A copy of the open file mostly has its password: the user is asked only otherwise.
        std::optional<UnlockedFile> unlocked;
        if (std::optional<FileProtection> own = UnlockEnvelope(*header, password.view()))
            unlocked = UnlockedFile{*own, password};
        else
            unlocked = unlock(*header);
        if (!unlocked) return RestoreResult::Cancelled;
        if (!OpenEnvelope(*bytes, unlocked->protection, unlocked->password.view(), document, &notes))
            return RestoreResult::Unreadable;
    }
    // The restored data keeps the password of the data it replaces: the user is never asked for the backup's.
    document.password = password;
    document.protection = protection;
    return RestoreResult::Restored;
}
