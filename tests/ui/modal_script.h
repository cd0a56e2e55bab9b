#pragma once
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Plays the person in front of the modal boxes the code under test opens:
// each box that appears gets the next step, in order. A box beyond the steps
// is counted in `unexpected` and rejected, so a test never hangs on it.
class ModalScript : public QObject {
  public:
    using Step = std::function<void(QWidget*)>;

    explicit ModalScript(std::deque<Step> steps) : steps(std::move(steps)) { Poll(); }

    int unexpected = 0;
    bool Finished() const { return steps.empty(); }

  private:
    void Poll() {
        QTimer::singleShot(5, this, [this] { Poll(); }); // before a step that may nest a loop
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == current) return;
        current = modal;
        if (steps.empty()) {
            ++unexpected;
            QMetaObject::invokeMethod(modal, "reject");
            return;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        step(modal);
    }

    std::deque<Step> steps;
    QPointer<QWidget> current;
};
