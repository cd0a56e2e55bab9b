#pragma once
#include "ui/dialog.h"

#include <string>
#include <vector>

namespace qbx {

constexpr int kFileCheckTemplate = 170;
constexpr int kFileCheckReport = 1201;

// The file check's report, to read and copy from, never to edit.
class CFileCheckWindow : public CDialog {
  public:
    CFileCheckWindow(CUiContext& context, std::string report, QWidget* parent = nullptr);

  protected:
    bool OnInitDialog() override;

  private:
    std::string report;
};

// The report on `paths` as `qbx check` writes it, each file's lines under
// its path, with the edition's standard welcome page for program files.
std::string FileCheckReport(CUiContext& context, const std::vector<std::string>& paths);

// Asks for a file, checks it as `qbx check` does (with the edition's
// standard welcome page) and shows the report. Nothing when the person
// cancels the chooser.
void RunFileCheck(CUiContext& context, QWidget* owner);

} // namespace qbx
