// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/display.h"

#include "window/start/desktopframe.h"
#include "window/start/librarymessages.h"
#include "window/start/windowplatforms.h"

#include <QApplication>
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace quorlin {

namespace {

    struct HeldMessage
    {
        QtMsgType type = QtDebugMsg;
        QByteArray category;
        QString text;
    };

    QList<HeldMessage>& heldMessages()
    {
        static QList<HeldMessage> messages;
        return messages;
    }

    // The displays the environment names, as "DISPLAY=:0", joined by " y ".
    QByteArray namedDisplays()
    {
        QByteArray displays;
        for (const char* name : { "WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM" }) {
            const QByteArray value = qgetenv(name);
            if (value.isEmpty())
                continue;
            if (!displays.isEmpty())
                displays += " y ";
            displays += QByteArray(name) + '=' + value;
        }
        return displays;
    }

    QByteArray& unusableSentence()
    {
        static QByteArray sentence;
        return sentence;
    }

    [[noreturn]] void failToStart(const QByteArray& sentence)
    {
        std::fputs(sentence.constData(), stderr);
        std::fflush(stderr);
        // The toolkit is half built: leave without running its destructors.
        std::_Exit(1);
    }

    // While the platform starts, its messages wait here: a fatal one (no platform could be
    // opened) becomes the Spanish sentence, the others are shown once the start has succeeded.
    void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg)
            failToStart(memoryIsShort() ? QByteArray(outOfMemorySentence) : unusableSentence());
        heldMessages().append({ type, QByteArray(context.category), text });
    }

    // The platform plugins the toolkit will try, in order, read as the toolkit reads them: the
    // last -platform (or --platform) of the command line, else QT_QPA_PLATFORM; empty when
    // neither names one and the toolkit takes its own default.
    QList<QByteArray> requestedPlatforms(int argc, char* argv[])
    {
        QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
        for (int i = 1; i + 1 < argc; ++i) {
            const QByteArrayView argument(argv[i]);
            if (argument == "-platform" || argument == "--platform")
                platforms = argv[++i];
        }
        QList<QByteArray> names;
        for (const QByteArray& entry : platforms.split(';')) {
            const qsizetype colon = entry.indexOf(':');
            const QByteArray name = (colon < 0 ? entry : entry.first(colon)).trimmed().toLower();
            if (!name.isEmpty())
                names.append(name);
        }
        return names;
    }

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[])
{
    for (const QByteArray& platform : requestedPlatforms(argc, argv))
        if (!showsPlayerWindow(platform))
            failToStart(QByteArray("Quorlin solo puede mostrar su ventana en un escritorio ")
                + playerDesktops() + ", no con la plataforma «" + platform + "».\n");
    const QByteArray displays = namedDisplays();
    if (displays.isEmpty())
        failToStart("Quorlin necesita un escritorio gráfico y no ha encontrado ninguna pantalla "
                    "(ni DISPLAY ni WAYLAND_DISPLAY).\n");
    unusableSentence() = "Quorlin no puede mostrar su ventana: " + displays
        + (displays.contains(" y ") ? " no responden o no se pueden usar.\n"
                                    : " no responde o no se puede usar.\n");
    preferDesktopDrawnFrame();

    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : std::as_const(heldMessages())) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (previous)
            previous(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
    heldMessages().clear();
    return application;
}

} // namespace quorlin
