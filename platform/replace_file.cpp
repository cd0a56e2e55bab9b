#include "platform/replace_file.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <unistd.h>

namespace qbx {
namespace fs = std::filesystem;
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using ScopedFile = std::unique_ptr<std::FILE, FileCloser>;

// Removes the temporary file unless it was moved into place.
class CTemporaryFile {
  public:
    explicit CTemporaryFile(fs::path path) : path(std::move(path)) {}
    ~CTemporaryFile() {
        std::error_code ignored;
        if (!kept) fs::remove(path, ignored);
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;
    const fs::path& Path() const { return path; }
    void Keep() { kept = true; }

  private:
    fs::path path;
    bool kept = false;
};

fs::path ReplacedPath(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

// Creates a new file (never an existing one) beside `target`.
ScopedFile CreateTemporaryBeside(const fs::path& target, fs::path& created) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".%016llx", static_cast<unsigned long long>(random()));
        fs::path candidate = folder / ("." + target.filename().string() + suffix + ".tmp");
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            created = candidate;
            return ScopedFile(file);
        }
    }
    return nullptr;
}

// The rename itself lasts only once the folder is on the disk; best effort.
void SyncFolder(const fs::path& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
    fs::path target = ReplacedPath(path);
    fs::path temporaryPath;
    ScopedFile file = CreateTemporaryBeside(target, temporaryPath);
    if (!file) return false;
    CTemporaryFile temporary(temporaryPath);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    written = std::fflush(file.get()) == 0 && written;
    // On the disk before it takes the old file's place, so that a power cut
    // leaves the old content or the new one, never an empty file.
    written = fsync(fileno(file.get())) == 0 && written;
    if (std::fclose(file.release()) != 0 || !written) return false;

    std::error_code error;
    fs::file_status old = fs::status(target, error);
    if (!error && fs::exists(old)) fs::permissions(temporary.Path(), old.permissions(), error);
    fs::rename(temporary.Path(), target, error);
    if (error) return false;
    temporary.Keep();
    SyncFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    return true;
}

bool ReadFileContents(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    bytes = buffer.str();
    return true;
}

} // namespace qbx
