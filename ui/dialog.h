#pragma once
#include "core/message_format.h"
#include "ui/ui_context.h"
#include "ui/user_interface.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QSpacerItem;
class QTimer;

namespace qbx {

constexpr int kIdOk = 1;

// What a number field accepts: a signed 16-bit number, or an unsigned one
// (digits only).
enum class NumberField { Signed16, Unsigned };
constexpr int kIdCancel = 2;

// A dialog built from a template of the language module. Controls are found
// by their numeric identifier (the objectName in the template); buttons "1"
// and "2" end the dialog with OK and Cancel unless a subclass overrides them.
class CDialog : public QDialog {
  public:
    CDialog(CUiContext& context, int templateId, QWidget* parent = nullptr);
    ~CDialog() override;

    int TemplateId() const { return templateId; }
    CUiContext& Context() const { return context; }

    // Runs the dialog modally through the user interface; 1 OK, 2 Cancel.
    int DoModal();
    void EndDialog(int result);
    int Result() const { return endResult; }
    bool HasEnded() const { return ended; }

    // Builds the controls from the template and runs OnInitDialog once.
    bool Initialize();

    // Controls by identifier.
    QWidget* Item(int id) const;
    template <class T> T* ItemAs(int id) const { return qobject_cast<T*>(Item(id)); }
    void SetItemText(int id, const QString& text);
    QString ItemText(int id) const;
    // The hint shown while the pointer rests on a control; empty for none.
    void SetItemToolTip(int id, const QString& text);
    QString ItemToolTip(int id) const;
    void EnableItem(int id, bool enable);
    bool IsItemEnabled(int id) const;
    void SetCheck(int id, bool checked);
    bool IsChecked(int id) const;
    void SetFocusTo(int id);
    void SetProgressRange(int id, int low, int high);
    void SetProgressPos(int id, int position);
    int ProgressPos(int id) const;
    // Room for the widest of `texts` in a label whose text changes while the
    // dialog is open, so that the layout need not change then.
    void ReserveTextWidth(int id, const std::vector<QString>& texts);
    // Redoes the layout at once when the control's text has outgrown it,
    // growing the window if need be: Qt keeps a shown window's size, and its
    // layout waits for the event loop, which a blocking link holds up. True
    // when it did.
    bool FitItem(int id);
    // Edit fields: at most `characters` may be typed.
    void LimitText(int id, int characters);
    // Number fields. TakeNumber refuses text that is no number of the kind
    // with a message, puts the focus into the field and returns false; the
    // caller then keeps the dialog open.
    void SetItemNumber(int id, long long value);
    bool TakeNumber(int id, NumberField kind, long long& value);
    // IP address controls (line edits marked "ipAddress" in the template).
    void SetIpAddress(int id, const std::array<std::uint8_t, 4>& octets);
    std::array<std::uint8_t, 4> IpAddress(int id) const;
    // Drop-down lists: the selected entry, -1 for none.
    void SetCurSel(int id, int index);
    int CurSel(int id) const;
    int ItemCount(int id) const;
    // Radio groups: the buttons inside the control `groupId`, in order.
    int RadioIndex(int groupId) const;
    void SetRadioIndex(int groupId, int index);

    // A command handler for a control: a button's click, or a click on a text
    // that acts as a link. Click() sends the command as a person would.
    void OnCommand(int id, std::function<void()> handler);
    bool Click(int id);
    // Runs the command of a control (its handler, or OK / Cancel).
    bool SendCommand(int id);

    // Timers by identifier, as the transfer dialogs use them (timer 101).
    void StartTimer(int id, int milliseconds);
    void KillTimer(int id);
    bool IsTimerRunning(int id) const;
    void FireTimer(int id); // tests: deliver a tick now

    void BeginWaitCursor();
    void EndWaitCursor();
    // Dispatches waiting events so that the window repaints during long work.
    static void PumpMessages();
    // The same while the link waits for a device, without clicks and keys:
    // those stay queued until the wait is over, as they did when the wait
    // blocked, so no handler can start again while its own exchange waits.
    static void PumpWhileWaiting();

    // Message boxes with the caption "Quillbox-Message G.NNN" and a text of
    // the language module, formatted with `args`.
    MessageAnswer Message(int group, int number, int stringId, const std::vector<MessageArg>& args = {},
                          MessageKind kind = MessageKind::Notice);
    MessageAnswer MessageText(int group, int number, const QString& text,
                              MessageKind kind = MessageKind::Notice);
    QString String(int id) const;

  protected:
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(kIdOk); }
    virtual void OnCancel() { EndDialog(kIdCancel); }
    virtual void OnTimer(int /*id*/) {}
    void reject() override { OnCancel(); }
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Build();

    CUiContext& context;
    int templateId;
    bool built = false;
    bool initialized = false;
    bool mnemonicsAssigned = false;
    bool ended = false;
    int endResult = kIdCancel;
    int waitCursors = 0;
    std::map<int, std::function<void()>> commands;
    std::map<int, QTimer*> timers;
    QSpacerItem* captionRoom = nullptr; // as wide as the caption needs
};

} // namespace qbx
