#include "window/windowhost.h"

#include "runtime/error.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

namespace quorlin {

void WindowHost::endProgram()
{
    if (m_window)
        m_window->hide();
    QCoreApplication::exit(0);
}

void WindowHost::reportError(const Error& error)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdU16String(errorTitle(error.kind())),
        QString::fromStdU16String(errorMessage(error.kind())), QMessageBox::Ok, m_window);
    box.setObjectName(QStringLiteral("errorReport"));
    box.exec();
}

} // namespace quorlin
