// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/icon.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace quorlin {

namespace {
#include "data/quorlin.xpm"
} // namespace

QIcon quorlinIcon()
{
    QIcon icon { QPixmap(quorlin_xpm) };
    for (const int size : { 16, 22, 24, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/%1x%1/io.github.quorlin.Quorlin.png").arg(size));
    return icon;
}

} // namespace quorlin
