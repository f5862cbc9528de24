// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/displaylost.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace quorlin {

namespace {

    QtMessageHandler passOn = nullptr;

    // The toolkit's platform plugins print these just before they end the process.
    bool tellsDisplayLost(const QString& message)
    {
        return message.startsWith(QLatin1String("The X11 connection broke"))
            || message.startsWith(QLatin1String("The Wayland connection broke"));
    }

    void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (tellsDisplayLost(message)) {
            std::fputs("Quorlin ha perdido la conexión con la pantalla (el servidor gráfico se ha "
                       "cerrado) y termina.\n",
                stderr);
            return;
        }
        passOn(type, context, message);
    }

} // namespace

void sayDisplayLostInSpanish() { passOn = qInstallMessageHandler(handle); }

} // namespace quorlin
