#include "tests/link/scripted_transport.h"

#include "link/wire_bytes.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace qbx::test {

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes WithSum(Bytes data) {
    data.push_back(Sum8(data.data(), static_cast<int>(data.size())));
    return data;
}

std::string Hex(const Bytes& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", b);
        text += hex;
    }
    return text;
}

CScriptedTransport::~CScriptedTransport() {
    EXPECT_TRUE(script.empty()) << script.size() << " scripted steps left over";
}

CScriptedTransport& CScriptedTransport::ExpectWrite(std::optional<Bytes> bytes, std::optional<int> result) {
    script.push_back({true, std::move(bytes), result});
    return *this;
}

CScriptedTransport& CScriptedTransport::Answer(std::optional<Bytes> bytes) {
    script.push_back({false, std::move(bytes), std::nullopt});
    return *this;
}

std::optional<CScriptedTransport::Step> CScriptedTransport::Next(bool isWrite) {
    if (script.empty() || script.front().isWrite != isWrite) return std::nullopt;
    Step step = script.front();
    script.pop_front();
    return step;
}

// One write may carry several expected writes in a row (an ack held for
// the frame after it): each known step takes its own bytes, an open one
// (nullopt) the rest; a step's scripted result ends the write there.
int CScriptedTransport::Write(const std::uint8_t* data, int len) {
    writes.emplace_back(data, data + len);
    int at = 0;
    do {
        auto step = Next(true);
        if (!step) {
            ADD_FAILURE() << "unexpected write #" << writes.size() << ": " << Hex(writes.back());
            return len;
        }
        const int size = step->bytes ? static_cast<int>(step->bytes->size()) : len - at;
        const Bytes piece(data + at, data + std::min(len, at + size));
        if (step->bytes) {
            EXPECT_EQ(Hex(*step->bytes), Hex(piece)) << "write #" << writes.size();
        }
        if (step->result) return *step->result < 0 ? -1 : at + *step->result;
        at += static_cast<int>(piece.size());
    } while (at < len);
    return len;
}

int CScriptedTransport::Read(std::uint8_t* data, int len) {
    readLengths.push_back(len);
    auto step = Next(false);
    if (!step) {
        ADD_FAILURE() << "unexpected read #" << readLengths.size() << " of " << len;
        return 0;
    }
    if (!step->bytes) return -1;
    EXPECT_LE(step->bytes->size(), static_cast<size_t>(len))
        << "answer longer than read #" << readLengths.size();
    int count = std::min(len, static_cast<int>(step->bytes->size()));
    std::copy_n(step->bytes->begin(), count, data);
    return count;
}

} // namespace qbx::test
