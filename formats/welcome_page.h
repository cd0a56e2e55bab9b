#pragma once
#include "formats/function_data_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The welcome page a QRT5130 shows at start-up, kept inside its function
// data: four 4-bit values in header bytes 3 and 4, and from 0x1E80 two unused
// bytes, four lines of 22 device characters and, at 0x1EFF, the page flag.
namespace qbx {

constexpr std::size_t kWelcomeLineCount = 4;
constexpr std::size_t kWelcomeLineLength = 22;

constexpr std::size_t kWelcomeValuesOffset = 3; // A | B << 4, then C | D << 4
constexpr std::size_t kWelcomeAreaOffset = 0x1E80;
constexpr std::size_t kWelcomeAreaSize = 90; // two unused bytes and the lines
constexpr std::size_t kWelcomeLinesOffset = kWelcomeAreaOffset + 2;
constexpr std::size_t kWelcomeFlagOffset = 0x1EFF;
constexpr std::size_t kWelcomeImageMinSize = 0x1F00;
constexpr std::uint8_t kOwnPageFlag = 0x00; // any other value: no own page
constexpr std::uint8_t kNoOwnPageByte = 0xFF;

enum WelcomeValue : int { kValueA = 0, kValueB, kValueC, kValueD };

// Lines in Windows-1252, at most 22 characters each, without padding.
using WelcomeLines = std::array<std::string, kWelcomeLineCount>;

struct WelcomePage {
    bool ownPage = false;
    WelcomeLines lines;
    std::array<int, 4> values{}; // A to D, 0 to 15
};

// The page offered when an image holds no own page. `edition` 2 (ORMAND)
// has its own.
WelcomeLines DefaultWelcomeLines(int edition);

// Whether the image is large enough to hold the welcome-page area; function
// data of other devices is not.
bool HasWelcomeArea(const FunctionDataImage& image);

// The values and the own page, or the default page of `edition` when the
// flag is not 0. False, leaving `page` alone, when the image has no area.
bool ReadWelcomePage(const FunctionDataImage& image, int edition, WelcomePage& page);

// Stores the values and either the own page (flag 0, lines cut to 22
// characters, in the device character set, padded with spaces) or the
// erased state (0xFF over the 90 bytes and the flag). Values keep their low
// four bits. False, changing nothing, when the image has no area.
bool WriteWelcomePage(const WelcomePage& page, FunctionDataImage& image);

} // namespace qbx
