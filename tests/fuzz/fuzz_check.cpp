#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace qbx::fuzz {

namespace {

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    return remove(path);
}

void RemoveWorkFolder() {
    nftw(WorkFolder().c_str(), RemoveEntry, 8, FTW_DEPTH | FTW_PHYS);
}

} // namespace

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
    std::abort();
}

const std::string& WorkFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/qbx-fuzz-" + std::to_string(getpid());
        mkdir(path.c_str(), 0700);
        return path;
    }();
    static const bool cleaned = [] {
        std::atexit(RemoveWorkFolder);
        return true;
    }();
    (void)cleaned;
    return folder;
}

std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::string path = WorkFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    FUZZ_CHECK(out.good());
    return path;
}

bool ReadWhole(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

void RemoveFile(const std::string& path) {
    unlink(path.c_str());
}

} // namespace qbx::fuzz
