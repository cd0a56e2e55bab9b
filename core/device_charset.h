#pragma once
#include <cstdint>
#include <string>

namespace qbx {

// The devices show printable ASCII plus four characters of their own:
// 127 degree sign, 128 a umlaut, 129 o umlaut, 130 u umlaut. Texts on the PC
// hold single-byte Windows-1252. Everything the other side cannot show
// becomes a blank; capital umlauts come back as small ones.
std::uint8_t ToDeviceChar(std::uint8_t pcChar);
std::uint8_t FromDeviceChar(std::uint8_t deviceChar);

std::string ToDeviceCharset(const std::string& pcText);
std::string FromDeviceCharset(const std::string& deviceText);

} // namespace qbx
