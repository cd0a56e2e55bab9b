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

// The web page in the stage's program folder that the web page dialog sends.
constexpr const char* kStageWebPage = "Anlagen\xC3\xBC"
                                      "bersicht Heizzentrale Nord.html";

} // namespace qbx
