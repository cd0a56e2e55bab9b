#pragma once

namespace qbx {

class CDialog;

// The About and Information boxes name the version a service engineer
// reports with a problem: "Version 2.8.0.0" in their version line.
constexpr int kVersionLine = 1963;
void ShowProductVersion(CDialog& box);

} // namespace qbx
