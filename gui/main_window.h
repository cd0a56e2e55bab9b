#pragma once
#include "ui/dialog.h"

class QMenu;

namespace qbx {

constexpr int kMainWindowTemplate = 102;
constexpr int kSysCommandAbout = 0x0010;
constexpr int kSysCommandInformation = 0x0110;
constexpr int kSysCommandSessionLog = 0x0120;
constexpr int kSysCommandCheckFile = 0x0130;
// The main window's own messages: "Quillbox-Message 13.NNN".
constexpr int kMainWindowGroup = 13;
constexpr int kSessionLogNotWritten = 1;

class CSessionLogInterface;

// One button per function of the program; closing it ends the program.
class CMainWindow : public CDialog {
  public:
    // With `sessionLog` the window menu offers to start and stop it.
    explicit CMainWindow(CUiContext& context, CSessionLogInterface* sessionLog = nullptr);

    // The entries of the window menu (the system menu of other desktops).
    QMenu* SystemMenu() const { return systemMenu; }
    void OnSysCommand(int command);

  protected:
    bool OnInitDialog() override;
    // Escape ends a dialog, but must not end the program by a slip of the
    // finger; the Close button and the window's close box still do.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void AddSystemMenu();
    void ToggleSessionLog();
    void RunFunction(int button);
    static bool HasFunction(int button);

    QMenu* systemMenu = nullptr;
    CSessionLogInterface* sessionLog;
    QAction* sessionLogEntry = nullptr;
};

} // namespace qbx
