// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/spanish.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quorlin {

bool installSpanish(QCoreApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/translations/qtbase_es.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace quorlin
