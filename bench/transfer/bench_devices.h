#pragma once
#include "bench/support/cpu_placement.h"
#include "bench/support/raw_peer.h"

#include <sched.h>
#include <vector>

// The data phases' byte counts as the raw baselines and the canned device
// play them, and where the two sides of a measurement run.
namespace bench {

constexpr int kBlockSize = 64;

// Per block, as the device sees it. Download: the request 8; "!C" and the
// reply body with its sum 10; "!C"; the data and their sum 65; "!C".
// Upload: the device's request 8; "!C" and the answer body 10; "!C"; the
// data 65; "!C".
inline const PeerCycle kDownloadDevice = {
    {false, 8}, {true, 10}, {false, 2}, {true, kBlockSize + 1}, {false, 2}};
inline const PeerCycle kUploadDevice = {
    {true, 8}, {false, 10}, {true, 2}, {false, kBlockSize + 1}, {true, 2}};

inline std::vector<unsigned char> WithSum(std::vector<unsigned char> bytes) {
    unsigned sum = 0;
    for (unsigned char b : bytes)
        sum += b;
    bytes.push_back(static_cast<unsigned char>(sum));
    return bytes;
}

// A device that answers one whole data phase of `blocks` blocks with canned
// bytes (every block at address 0), then waits for the next phase: the
// program's side alone, without the simulator's.
inline PeerCycle CannedDownloadDevice(int blocks) {
    std::vector<unsigned char> reply = WithSum({0x40, 0x10, 0xF2, 0, 0, 0, kBlockSize});
    reply.insert(reply.begin(), {0x21, 0x43});
    const std::vector<unsigned char> data = WithSum(std::vector<unsigned char>(kBlockSize, 0x5A));
    PeerCycle steps;
    for (int block = 0; block < blocks; ++block) {
        steps.insert(steps.end(),
                     {{false, 8}, {true, 10, reply}, {false, 2}, {true, kBlockSize + 1, data}, {false, 2}});
    }
    steps.insert(steps.end(), {{false, 8}, {true, 2, {0x21, 0x43}}}); // the end frame
    return steps;
}

inline PeerCycle CannedUploadDevice(int blocks) {
    const std::vector<unsigned char> ack = {0x21, 0x43};
    PeerCycle steps = {{false, 8}, {true, 2, ack}}; // the start frame
    for (int block = 0; block < blocks; ++block) {
        steps.insert(steps.end(), {{true, 8, WithSum({0x20, 0x10, 0x2F, 0, 0, 0, kBlockSize})},
                                   {false, 10},
                                   {true, 2, ack},
                                   {false, kBlockSize + 1},
                                   {true, 2, ack}});
    }
    steps.insert(steps.end(), {{true, 8, WithSum({0x60, 0x10, 0x2F, 0, 0, 0, 0})}, {false, 2}});
    return steps;
}

} // namespace bench
