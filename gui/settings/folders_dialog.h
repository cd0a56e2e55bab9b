#pragma once
#include "formats/folder_file.h"
#include "ui/dialog.h"

namespace qbx {

constexpr int kFoldersTemplate = 156;
constexpr const char* kFolderChooserTitle = "Select a Starting Directory";

// The five working folders: each either the default subfolder of the
// program folder or a folder of the user's own, kept in directory.ini.
class CFoldersDialog : public CDialog {
  public:
    CFoldersDialog(CUiContext& context, QWidget* parent = nullptr);

    const FolderPaths& Paths() const { return paths; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void TakeValues();
    void ShowValues();
    void OwnFolderToggled(int line);
    void Browse(int line);
    // False after the message when `path` is too long for directory.ini.
    bool FolderFits(int line, const std::string& path);

    FolderPaths paths;
    FolderPaths saved; // an own folder, kept while its box is cleared
    std::array<bool, kFolderLineCount> own{};
};

} // namespace qbx
