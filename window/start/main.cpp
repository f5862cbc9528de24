// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/random.h"
#include "window/start/commandline.h"
#include "window/start/desktop.h"
#include "window/start/librarymessages.h"
#include "window/start/session.h"
#include "window/start/spanish.h"
#include "window/start/startupnotice.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto status = quorlin::answerCommandLine(argc, argv))
        return *status;
    quorlin::quietenLibraries();
    quorlin::keepLauncherStartupId();
    const std::unique_ptr<QApplication> application = quorlin::openDesktop(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorlin"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorlin.Quorlin"));
    quorlin::installSpanish(*application);

    quorlin::XoshiroRandom random;
    quorlin::Session session(random);
    session.start();
    return session.program().hasEnded() ? 0 : QApplication::exec();
}
