#include "model/file/atomic_save.h"

#include <cstdio>
#include <new>

#include "model/file/data_stream.h"
#include "model/file/dated_copies.h"
#include "model/document.h"
#include "platform/platform_file.h"

namespace {

// Closes the file on every path out.
class FileCloser {
public:
    explicit FileCloser(std::FILE* file) : file_(file) {}
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;
    ~FileCloser() {
        if (file_ != nullptr) std::fclose(file_);
    }
    std::FILE* Get() const { return file_; }
    bool Close() {
        const bool ok = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok;
    }

private:
    std::FILE* file_;
};

bool WriteFile(const std::string& temporary, const std::function<void(DataWriter&)>& write) {
    FileCloser closer(std::fopen(temporary.c_str(), "wb"));
    if (closer.Get() == nullptr) return false;
    DataWriter out(closer.Get());
    write(out);
    const bool written = out.Flush() && std::fflush(closer.Get()) == 0 && FlushToDisk(closer.Get());
    return closer.Close() && written;
}

}  // namespace

bool SaveAtomically(const std::string& path, const std::function<void(DataWriter&)>& write,
                    const DatedCopyRequest* copy) {
    if (path.empty() || !IsReplaceable(path)) return false;
    std::string temporary;
    KeptCopy kept;
    bool saved = false;
    try {
        temporary = path + std::string(kSaveTemporarySuffix);
        if (WriteFile(temporary, write)) {
            if (copy != nullptr && copy->settings.keep) kept = KeepOldFile(path, *copy);
            saved = PutInPlace(temporary, path);
        }
    } catch (const std::bad_alloc&) {
        // The writer's buffer or the texts could not be had; nothing was put in place.
    }
    if (saved) {
        try {
            if (!kept.path.empty())
                PruneDatedCopies(path, DatedCopyFolder(path, copy->settings.folder), copy->settings.count);
        } catch (const std::bad_alloc&) {
            // The surplus copies go at the next save.
        }
        return true;
    }
    if (!kept.path.empty()) UndoKeptCopy(kept, path, *copy->steps);
    if (!temporary.empty()) std::remove(temporary.c_str());
    return false;
}

void RemoveSaveLeftover(const std::string& path) { std::remove((path + std::string(kSaveTemporarySuffix)).c_str()); }
