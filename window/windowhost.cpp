// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/windowhost.h"

#include "runtime/error.h"
#include "window/inputblock.h"

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
    // The box is modal, yet a shortcut can still match the window beneath it, and a program
    // that stops at an error must not take the next user operation before the user has read it.
    const InputBlock block(m_window);
    box.exec();
}

} // namespace quorlin
