#pragma once
#include "core/settings_store.h"
#include "operations/connection.h"
#include "ui/dialog.h"

namespace qbx {

constexpr int kSettingsTemplate = 132;

// How the program reaches the bootloader: COM1 to COM6 or TCP/IP. Saves into
// qbx_man.ini on OK; opens the folders and language dialogs.
class CSettingsDialog : public CDialog {
  public:
    CSettingsDialog(CUiContext& context, QWidget* parent = nullptr);

    int Selection() const { return selection; }
    // Tests shorten the waits of the bootloader functions' link.

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void TakeValues();
    void ShowValues();
    void ApplyEnablingRule();
    // The link the controls describe at this moment, saved or not.
    CSettings CurrentLink() const;

    int selection = -1; // 0..5 COM1..COM6, 6 TCP/IP, -1 none
    QString ipText;
    QString portText;
    ConnectOptions linkOptions;
};

// The port number a port text gives, as the C library reads it: leading
// digits, 0 when there are none; the settings keep its low 16 bits.
std::uint16_t PortFromText(const QString& text);

} // namespace qbx
