#pragma once
#include "operations/operation_host.h"

#include <cstddef>
#include <string>

namespace qbx {

// The program's own files keep a chosen path in a field of 256 characters
// (the slot lists, the folder file), and their readers give back no more
// than that: a longer path would come back cut and name another file. Such
// a path is refused where it is chosen. Bytes count, as the UTF-8 path is
// written.
constexpr std::size_t kMaxStoredPathBytes = 256;

bool PathFitsField(const std::string& path);

// Message `number` of the host's group: string 11910 with the path's length
// and the limit.
void ReportOverlongPath(COperationHost& host, int number, const std::string& path);

} // namespace qbx
