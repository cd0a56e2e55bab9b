#pragma once
#include "formats/function_data_image.h"
#include "link/wire_bytes.h"
#include "tests/link/scripted_transport.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

// Script pieces for the data phases, seen from the program's side of the line.
namespace qbx::test {

// The program sends `body` with its sum and the device acknowledges it.
inline void Sent(CScriptedTransport& link, const Bytes& body) {
    link.ExpectWrite(WithSum(body)).Answer(Ack());
}

// The device sends `body` and its sum, and the program acknowledges it.
inline void Received(CScriptedTransport& link, const Bytes& body) {
    link.Answer(body).Answer(Bytes{Sum8(body.data(), static_cast<int>(body.size()))}).ExpectWrite(Ack());
}

// The three ways a SendFrame call fails (results 1, 3, 4), over a network
// link, which tries once.
inline const std::vector<std::pair<std::string, std::function<void(CScriptedTransport&, const Bytes&)>>>&
SendFailures() {
    static const std::vector<std::pair<std::string, std::function<void(CScriptedTransport&, const Bytes&)>>>
        all = {
            {"incomplete", [](CScriptedTransport& l, const Bytes&) { l.ExpectWrite(std::nullopt, 1); }},
            {"no answer",
             [](CScriptedTransport& l, const Bytes& b) { l.ExpectWrite(WithSum(b)).Answer(Bytes{0x21}); }},
            {"rejected",
             [](CScriptedTransport& l, const Bytes& b) {
                 l.ExpectWrite(WithSum(b)).Answer(Bytes{'?', '?'});
             }},
        };
    return all;
}

// The four ways a ReceiveBlock call fails (results 1 to 4) for a block `b`.
inline const std::vector<std::pair<std::string, std::function<void(CScriptedTransport&, const Bytes&)>>>&
ReceiveFailures() {
    static const std::vector<std::pair<std::string, std::function<void(CScriptedTransport&, const Bytes&)>>>
        all = {
            {"short", [](CScriptedTransport& l, const Bytes& b) { l.Answer(Bytes(b.begin(), b.end() - 1)); }},
            {"no checksum", [](CScriptedTransport& l, const Bytes& b) { l.Answer(b).Silence(); }},
            {"ack not written",
             [](CScriptedTransport& l, const Bytes& b) {
                 l.Answer(b).Answer(Bytes{Sum8(b.data(), static_cast<int>(b.size()))}).ExpectWrite(Ack(), 1);
             }},
            {"bad checksum",
             [](CScriptedTransport& l, const Bytes& b) {
                 l.Answer(b).Answer(
                     Bytes{static_cast<std::uint8_t>(Sum8(b.data(), static_cast<int>(b.size())) + 1)});
                 l.ExpectWrite(Nak());
             }},
        };
    return all;
}

// An image of `size` bytes whose byte i is (7 i + 3) mod 256.
inline FunctionDataImage PatternImage(std::uint32_t size, std::uint8_t kind = 0x85) {
    FunctionDataImage image;
    FunctionDataHeader header;
    header.fileFormat = 3;
    header.deviceCode = kind;
    header.firmware = "FW 1.2";
    header.bootsector = "BS 0.9";
    header.dataSize = size;
    image.Prepare(header);
    for (std::uint32_t i = 0; i < size; ++i)
        image.SetByte(i, static_cast<std::uint8_t>(7 * i + 3));
    return image;
}

inline Bytes ImageBytes(const FunctionDataImage& image, std::uint32_t offset, std::uint32_t count) {
    return Bytes(image.Data().begin() + offset, image.Data().begin() + offset + count);
}

} // namespace qbx::test
