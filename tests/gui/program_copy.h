#pragma once
#include "tests/support/temp_folder.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// A copy of the built program folder (the GUI and the three language modules)
// that a test may rename, delete or patch.
class ProgramCopy : public TempFolder {
  public:
    ProgramCopy() {
        for (const char* name : {"Quillbox Suite.exe", "QbxDEU.dll", "QbxENU.dll", "QbxITA.dll"}) {
            std::filesystem::copy_file(std::string(QBX_PROGRAM_DIR) + "/" + name, File(name));
        }
    }
    std::string Executable() const { return File("Quillbox Suite.exe"); }

    // Rewrites the product version in a binary's version record.
    bool PatchProductVersion(const std::string& name, unsigned high, unsigned low) const {
        std::string bytes = Read(name);
        const char signature[] = "\xBD\x04\xEF\xFE";
        size_t at = bytes.find(std::string(signature, 4));
        if (at == std::string::npos || at + 24 > bytes.size()) return false;
        auto put = [&](size_t offset, unsigned value) {
            for (int i = 0; i < 4; ++i)
                bytes[at + offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        };
        put(16, high);
        put(20, low);
        Write(name, bytes);
        return true;
    }
};
