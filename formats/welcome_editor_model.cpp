#include "formats/welcome_editor_model.h"

namespace qbx {

int CWelcomeEditorModel::Open(const std::string& filePath, int edition) {
    open = false;
    path = filePath;
    page = WelcomePage();
    int result = image.Load(path);
    if (result != kDatLoaded) return result;
    if (!ReadWelcomePage(image, edition, page)) {
        image.Reset();
        return kWelcomeImageTooSmall;
    }
    open = true;
    return kDatLoaded;
}

bool CWelcomeEditorModel::Save() {
    return open && WriteWelcomePage(page, image) && image.Save(path);
}

} // namespace qbx
