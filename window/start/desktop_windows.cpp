// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/desktop.h"

#include <QApplication>
#include <QFontDatabase>
#include <QString>

namespace quorlin {

std::unique_ptr<QApplication> openDesktop(int& argc, char* argv[])
{
    auto application = std::make_unique<QApplication>(argc, argv);
    // Windows has no DejaVu: without this copy the window's labels would fall back to a wider
    // font and no longer fit their twips.
    if (QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSansCondensed.ttf")) < 0)
        qWarning("Quorlin: the built-in window font could not be read");
    return application;
}

} // namespace quorlin
