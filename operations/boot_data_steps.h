#pragma once
#include "formats/function_data_image.h"
#include "operations/connection.h"
#include "operations/transfer_steps.h"

#include <cstdint>
#include <memory>
#include <string>

// Steps the read and the write of the LINKBOX's data image share.
namespace qbx::boot_data {

// Gives the device time to ready its image before the first data frame.
inline constexpr int kPauseBeforeDataMs = 100;

// Connect without the mode check, refuse every bootloader that is not a
// LINKBOX (message `notLinkbox`), then CheckBootloader. False after the
// failure's message, with `transport` gone.
bool ConnectToLinkbox(COperationHost& host, const ConnectMessages& messages, int notLinkbox,
                      const ConnectOptions& options, std::unique_ptr<CTransport>& transport);

// The displays once a preparation has succeeded: progress 0 of `size`,
// status "connecting", "label: file name" and "0000 / size".
void ShowPrepared(COperationHost& host, int labelString, const std::string& path, std::uint32_t size);

// Progress range and status before the data frames start.
void ShowStarting(COperationHost& host, std::uint32_t size);

// Position, status and counter at `address`.
void ShowProgress(COperationHost& host, int statusString, std::uint32_t address, std::uint32_t size);

// Reads the image the device holds into `image` (prepared for its size),
// block by block, then sends the end frame. False after the failure's
// message (the read's numbers).
bool ReadBootDataImage(CTransport& transport, COperationHost& host, transfer::CWaitCursor& wait,
                       FunctionDataImage& image);

} // namespace qbx::boot_data
