#include "gui/startup.h"
#include "gui/startup_messages.h"
#include "ui/qt_user_interface.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(qbx::kApplicationTitle);
    qbx::CQtUserInterface ui;
    qbx::StartupOptions options;
    options.instanceName = qbx::InstanceNameFromEnvironment();
    qbx::CQuillboxApp app(ui, options);
    qbx::StartupResult result = app.InitInstance();
    app.ExitInstance();
    return result == qbx::StartupResult::Ran ? 0 : 1;
}
