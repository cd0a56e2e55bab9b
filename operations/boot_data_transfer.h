#pragma once
#include "formats/function_data_image.h"
#include "operations/connection.h"

#include <functional>
#include <string>

// The LINKBOX's own data image, moved between the bootloader and a ".dat"
// file in either direction. The messages are those of group 12
// (operations/boot_data_messages.h). Each step opens its own link and
// releases it on every way out.
namespace qbx {

inline constexpr int kBootDataReadMode = 0;
inline constexpr int kBootDataWriteMode = 1;

// What a preparation hands to its transfer.
struct BootDataJob {
    FunctionDataImage image;
    std::string path;  // the full path of the file
    std::string title; // its name without folder and extension
};

// Write mode, without any device access: loads the file and checks that it
// holds a LINKBOX image the program can write. True with `job` filled and
// the displays set; false after the failure's message.
bool PrepareBootDataWrite(COperationHost& host, const std::string& path, BootDataJob& job);

// Writes the image's header, then serves the device's requests until it
// reports the end; with `verify`, reads header and image back over the same
// link and compares them. With `askFirst`, a device that holds an image is
// asked about by its description before anything is written. True on
// success, with the final texts shown; false after the failure's message,
// or without one when the person declined.
bool RunBootDataWrite(COperationHost& host, const BootDataJob& job, const ConnectOptions& options = {},
                      bool verify = false, bool askFirst = false);

// Asks for the target file, offering `offeredName` (the name stored in the
// device, without extension); false when the person cancelled or declined.
using BootDataTargetChooser = std::function<bool(const std::string& offeredName, std::string& path)>;

// Read mode: connects, reads the device's header and, while the link is
// still open, lets `choose` pick the file. True with `job` ready to receive
// the image; false after the failure's message (none when cancelled).
bool PrepareBootDataRead(COperationHost& host, const BootDataTargetChooser& choose, BootDataJob& job,
                         const ConnectOptions& options = {});

// Reads the whole image over a new link, then writes the file in one piece:
// a read that fails leaves no file and an old one as it was.
bool RunBootDataRead(COperationHost& host, BootDataJob& job, const ConnectOptions& options = {});

// What the save chooser does with a chosen path: ".dat" added where the
// name has no extension, and, for a file that exists, the question whether
// to replace it. The path to use, or empty after No.
std::string ConfirmBootDataTarget(COperationHost& host, const std::string& chosen);

// The name a file gets by default: the description stored in the device,
// turned into the user interface's characters, without path separators.
std::string BootDataOfferedName(const std::string& description);

} // namespace qbx
