#include "ui/dialog.h"

#include "core/message_record.h"
#include "language/language_module.h"
#include "ui/caption_room.h"
#include "ui/ip_address_field.h"
#include "ui/mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QUiLoader>
#include <QVBoxLayout>

namespace qbx {

CDialog::CDialog(CUiContext& context, int templateId, QWidget* parent)
    : QDialog(parent), context(context), templateId(templateId) {}

CDialog::~CDialog() {
    while (waitCursors > 0)
        EndWaitCursor();
}

int CDialog::DoModal() {
    return context.ui.RunModal(*this);
}

void CDialog::EndDialog(int result) {
    ended = true;
    endResult = result;
    for (auto& [id, timer] : timers)
        timer->stop();
    done(result);
}

bool CDialog::Initialize() {
    if (!Build()) return false;
    if (!initialized) {
        initialized = true;
        ended = false;
        OnInitDialog();
        // Once the texts are in; SetItemText keeps them up to date after.
        AssignMnemonics(*this);
        mnemonicsAssigned = true;
        // A letter added in brackets widens its control; a hidden control
        // does not tell its layout, a shown window waits for the event loop.
        for (QLayout* layout : findChildren<QLayout*>())
            layout->invalidate();
        for (QWidget* control : findChildren<QWidget*>()) {
            bool numbered = false;
            const int id = control->objectName().toInt(&numbered);
            if (numbered && TakesMnemonic(*control)) FitItem(id);
        }
    }
    return true;
}

bool CDialog::Build() {
    if (built) return true;
    QFile file(context.module.TemplatePath(templateId));
    if (!file.open(QIODevice::ReadOnly)) return false;
    QUiLoader loader;
    QWidget* content = loader.load(&file, this);
    if (!content) return false;
    built = true;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(content);
    // Below the controls, without height: it only keeps the window wide
    // enough for its caption. A minimum width on the controls themselves
    // would stop them from growing the window with their texts.
    layout->setSpacing(0);
    captionRoom = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->addItem(captionRoom);
    setWindowTitle(content->windowTitle());
    setObjectName(QStringLiteral("Template%1").arg(templateId));
    for (auto* edit : findChildren<QLineEdit*>()) {
        if (edit->property(kIpAddressProperty).toBool()) MakeIpAddressField(*edit);
    }
    // Enter means OK wherever the focus is: a focused "Choose..." button
    // would otherwise take it and open its chooser again.
    for (auto* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(button->objectName() == QString::number(kIdOk));
    }
    // OK and Cancel end the dialog unless a handler takes them over.
    for (int id : {kIdOk, kIdCancel}) {
        if (auto* button = ItemAs<QAbstractButton>(id)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { SendCommand(id); });
        }
    }
    return true;
}

void CDialog::changeEvent(QEvent* event) {
    // The room lies inside the margins, which the caption has too.
    if (event->type() == QEvent::WindowTitleChange && captionRoom && layout()) {
        const QMargins margins = layout()->contentsMargins();
        captionRoom->changeSize(CaptionWidth(*this, windowTitle()) - margins.left() - margins.right(), 0,
                                QSizePolicy::Minimum, QSizePolicy::Fixed);
        layout()->invalidate();
    }
    QDialog::changeEvent(event);
}

QWidget* CDialog::Item(int id) const {
    return findChild<QWidget*>(QString::number(id));
}

void CDialog::OnCommand(int id, std::function<void()> handler) {
    bool known = commands.count(id) > 0;
    commands[id] = std::move(handler);
    QWidget* item = Item(id);
    if (known || !item || id == kIdOk || id == kIdCancel) return;
    if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { SendCommand(id); });
    } else {
        item->installEventFilter(this);
        item->setCursor(Qt::PointingHandCursor);
    }
}

bool CDialog::Click(int id) {
    QWidget* item = Item(id);
    if (item && !item->isEnabled()) return false;
    // A button is pressed for real: check boxes and radio buttons change
    // their state first, then the command arrives through the click signal.
    if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        button->click();
        return true;
    }
    return SendCommand(id);
}

bool CDialog::SendCommand(int id) {
    auto it = commands.find(id);
    if (it != commands.end()) {
        it->second();
        return true;
    }
    if (id == kIdOk)
        OnOK();
    else if (id == kIdCancel)
        OnCancel();
    else
        return false;
    return true;
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        bool ok = false;
        int id = watched->objectName().toInt(&ok);
        if (ok && mouse->button() == Qt::LeftButton && commands.count(id)) {
            SendCommand(id);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::StartTimer(int id, int milliseconds) {
    QTimer*& timer = timers[id];
    if (!timer) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
    }
    timer->start(milliseconds);
}

void CDialog::KillTimer(int id) {
    auto it = timers.find(id);
    if (it != timers.end()) it->second->stop();
}

bool CDialog::IsTimerRunning(int id) const {
    auto it = timers.find(id);
    return it != timers.end() && it->second->isActive();
}

void CDialog::FireTimer(int id) {
    OnTimer(id);
}

void CDialog::BeginWaitCursor() {
    ++waitCursors;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CDialog::EndWaitCursor() {
    if (waitCursors == 0) return;
    --waitCursors;
    QApplication::restoreOverrideCursor();
}

void CDialog::PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CDialog::PumpWhileWaiting() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString CDialog::String(int id) const {
    return context.module.String(id);
}

MessageAnswer CDialog::Message(int group, int number, int stringId, const std::vector<MessageArg>& args,
                               MessageKind kind) {
    std::string text = FormatMessage(context.module.StringUtf8(stringId), args);
    return MessageText(group, number, QString::fromStdString(text), kind);
}

MessageAnswer CDialog::MessageText(int group, int number, const QString& text, MessageKind kind) {
    RecordShownMessage(group, number);
    return context.ui.ShowMessage(this, QString::fromStdString(MessageCaption(group, number)), text, kind);
}

} // namespace qbx
