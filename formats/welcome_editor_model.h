#pragma once
#include "formats/function_data_image.h"
#include "formats/welcome_page.h"

#include <string>

namespace qbx {

// Open after the load results 0 to 5: the file loaded, but its image is too
// small to hold a welcome page (function data of another device).
constexpr int kWelcomeImageTooSmall = 6;

// What the welcome-page editor works on: a function-data file, its image and
// the page taken from it. The dialog edits `page` and calls Save.
class CWelcomeEditorModel {
  public:
    // Loads the file and takes its page (the default page of `edition` when
    // the image holds none). Returns a FunctionDataLoadResult or
    // kWelcomeImageTooSmall.
    int Open(const std::string& path, int edition);
    // Writes `page` into the image and saves the file; false when the file
    // cannot be saved (it is then left as it was) or nothing is open.
    bool Save();

    const std::string& Path() const { return path; }
    const FunctionDataImage& Image() const { return image; }

    WelcomePage page;

  private:
    std::string path;
    FunctionDataImage image;
    bool open = false;
};

} // namespace qbx
