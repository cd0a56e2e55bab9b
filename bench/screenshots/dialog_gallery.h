#pragma once
#include "ui/dialog.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

// A dialog to be pictured: a name for the file and how to build it.
struct GalleryEntry {
    std::string name;
    std::function<std::unique_ptr<CDialog>(CUiContext&)> create;
};

const std::vector<GalleryEntry>& DialogGallery();

} // namespace qbx
