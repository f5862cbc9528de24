// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/desktop.h"

#include "window/frmtirardados.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace quorlin {

std::unique_ptr<QApplication> openDesktop(int& argc, char* argv[])
{
    auto application = std::make_unique<QApplication>(argc, argv);
    // Windows has no DejaVu: without this copy the window's labels would fall back to a wider
    // font and no longer fit their twips.
    const int font
        = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSansCondensed.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(font);
    const QString wanted = FrmTirarDados::windowFont().family();
    if (families.isEmpty())
        qWarning("Quorlin: the built-in window font could not be read");
    // DirectWrite files the condensed face under its typographic family, "DejaVu Sans"; being the
    // only face there, it is the one that family gives.
    else if (!families.contains(wanted))
        QFont::insertSubstitution(wanted, families.constFirst());
    return application;
}

} // namespace quorlin
