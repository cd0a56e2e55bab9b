#include "formats/welcome_page.h"

#include "core/device_charset.h"
#include "core/edition.h"
#include "core/home_page.h"

#include <algorithm>
#include <iterator>

namespace qbx {
namespace {

std::string WithoutTrailingSpaces(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::uint8_t Nibbles(int low, int high) {
    return static_cast<std::uint8_t>((low & 0x0F) | ((high & 0x0F) << 4));
}

} // namespace

WelcomeLines DefaultWelcomeLines(int edition) {
    if (edition == kCustomerEdition) return {"        ORMAND", "", "     Ormand Control", ""};
    return {"  BRAVOLT", "Homepage: " + HomePageHost(1), std::string(kWelcomeLineLength, '-'),
            "       QRT5130"};
}

bool HasWelcomeArea(const FunctionDataImage& image) {
    return image.Size() >= kWelcomeImageMinSize;
}

bool ReadWelcomePage(const FunctionDataImage& image, int edition, WelcomePage& page) {
    if (!HasWelcomeArea(image)) return false;
    const std::vector<std::uint8_t>& data = image.Data();
    std::uint8_t ab = data[kWelcomeValuesOffset], cd = data[kWelcomeValuesOffset + 1];
    page.values = {ab & 0x0F, ab >> 4, cd & 0x0F, cd >> 4};
    page.ownPage = data[kWelcomeFlagOffset] == kOwnPageFlag;
    if (!page.ownPage) {
        page.lines = DefaultWelcomeLines(edition);
        return true;
    }
    for (std::size_t i = 0; i < kWelcomeLineCount; ++i) {
        auto first = data.begin() + static_cast<std::ptrdiff_t>(kWelcomeLinesOffset + i * kWelcomeLineLength);
        std::string device(first, first + static_cast<std::ptrdiff_t>(kWelcomeLineLength));
        page.lines[i] = WithoutTrailingSpaces(FromDeviceCharset(device));
    }
    return true;
}

bool WriteWelcomePage(const WelcomePage& page, FunctionDataImage& image) {
    if (!HasWelcomeArea(image)) return false;
    std::uint8_t area[kWelcomeAreaSize];
    std::fill(std::begin(area), std::end(area), kNoOwnPageByte);
    std::uint8_t flag = kNoOwnPageByte;
    if (page.ownPage) {
        flag = kOwnPageFlag;
        for (std::size_t i = 0; i < kWelcomeLineCount; ++i) {
            std::string line = ToDeviceCharset(page.lines[i].substr(0, kWelcomeLineLength));
            line.resize(kWelcomeLineLength, ' ');
            std::copy(line.begin(), line.end(), area + 2 + i * kWelcomeLineLength);
        }
    }
    image.SetByte(kWelcomeValuesOffset, Nibbles(page.values[kValueA], page.values[kValueB]));
    image.SetByte(kWelcomeValuesOffset + 1, Nibbles(page.values[kValueC], page.values[kValueD]));
    image.SetBytes(kWelcomeAreaOffset, area, kWelcomeAreaSize);
    image.SetByte(kWelcomeFlagOffset, flag);
    return true;
}

} // namespace qbx
