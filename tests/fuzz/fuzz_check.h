#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What every fuzz target shares: a check that stops the run with a finding,
// and the one input file per process through which the readers see the
// fuzzer's bytes (they open files by path and refuse anything but a regular
// file).
namespace qbx::fuzz {

using Bytes = std::vector<std::uint8_t>;

// Prints `what` with its place and aborts, which libFuzzer records as a crash
// with the input that caused it.
[[noreturn]] void Fail(const char* what, const char* file, int line);

// A folder of its own for this process, made on first use.
const std::string& WorkFolder();
// Writes `size` bytes to `name` in WorkFolder, replacing it; the full path.
std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size);
// The whole file, or false when it does not open.
bool ReadWhole(const std::string& path, std::string& text);
bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);

} // namespace qbx::fuzz

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) ::qbx::fuzz::Fail(#condition, __FILE__, __LINE__);                                 \
    } while (false)
