#pragma once
#include <string>

// Files and device texts keep single-byte Windows-1252; the user interface
// shows Unicode. These convert at that boundary.
namespace qbx {

// Every byte has a character: 0x80 to 0x9F take their Windows-1252 letters
// (euro sign, quotes, ...); the five bytes the code page leaves undefined
// map to the control characters of the same value, so text comes back to
// the same bytes.
std::string Windows1252ToUtf8(const std::string& text);

// Characters without a Windows-1252 byte, and malformed UTF-8, become
// `replacement`.
std::string Utf8ToWindows1252(const std::string& text, char replacement = '?');

} // namespace qbx
