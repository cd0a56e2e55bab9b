#include "gui/file_check_window.h"

#include "core/app_state.h"
#include "language/language_module.h"
#include "operations/file_check.h"
#include "operations/file_check_strings.h"
#include "operations/os_update_preparation.h"
#include "operations/string_ids.h"
#include "platform/program_folder.h"
#include "ui/user_interface.h"

namespace qbx {

CFileCheckWindow::CFileCheckWindow(CUiContext& context, std::string report, QWidget* parent)
    : CDialog(context, kFileCheckTemplate, parent), report(std::move(report)) {}

bool CFileCheckWindow::OnInitDialog() {
    SetItemText(kFileCheckReport, QString::fromStdString(report));
    return true;
}

std::string FileCheckReport(CUiContext& context, const std::vector<std::string>& paths) {
    FileCheckOptions options;
    options.welcomePage = os_preparation::StandardPagePath(AppState().edition);
    const StringLookup strings = [&context](int id) { return context.module.StringUtf8(id); };
    std::string report;
    int failing = 0;
    for (const std::string& path : paths) {
        const std::vector<CheckFinding> findings = CheckFile(path, options);
        report += path + "\n";
        for (const std::string& line : ReportLines(findings, strings))
            report += "    " + line + "\n";
        report += "\n";
        if (CheckFails(findings)) ++failing;
    }
    return report + SummaryLine(static_cast<int>(paths.size()), failing, strings);
}

void RunFileCheck(CUiContext& context, QWidget* owner) {
    const QString path = context.ui.ChooseOpenFile(owner, context.module.String(str::kChooseFileToCheck),
                                                   QString::fromStdString(ProgramFolder()),
                                                   context.module.String(check_str::kChooserFilter));
    if (path.isEmpty()) return;
    CFileCheckWindow window(context, FileCheckReport(context, {path.toStdString()}), owner);
    window.DoModal();
}

} // namespace qbx
