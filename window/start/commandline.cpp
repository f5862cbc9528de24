// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/start/commandline.h"

#include "window/start/console.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace quorlin {

namespace {

    // The options that QGuiApplication and QApplication take out of argv themselves; the parser
    // must know them so that they are not reported as unknown.
    constexpr const char* qtOptionsWithValue[] = { "platform", "platformpluginpath",
        "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "session", "display", "geometry", "title", "name", "style", "stylesheet" };
    constexpr const char* qtFlags[]
        = { "reverse", "widgetcount", "nograb", "dograb", "sync", "testability" };

    const char* const helpText
        = "Uso: quorlin [OPCIÓN]\n"
          "Tira dados para partidas de rol: elige el dado, la tirada mínima, la dificultad\n"
          "y el número de tiradas, o genera las tres series de un personaje.\n"
          "\n"
          "Opciones:\n"
          "  -h, --help     muestra esta ayuda y termina\n"
          "  -v, --version  muestra la versión y termina\n"
          "\n"
          "Sin opciones, abre la ventana de Quorlin. Acepta también las opciones propias\n"
          "de Qt, como -platform o -style. Más información: man quorlin\n";

    const char* const versionText
        = "Quorlin " QUORLIN_VERSION "\n"
          "Copyright (C) The Quorlin developers\n"
          "Licencia GPLv3+: GNU GPL versión 3 o posterior <https://gnu.org/licenses/gpl.html>.\n"
          "Esto es software libre: puedes modificarlo y redistribuirlo.\n"
          "No hay NINGUNA GARANTÍA, hasta donde lo permite la ley.\n";

    int refuse(const QString& problem)
    {
        writeFinalText(Channel::Complaint,
            (u"quorlin: "_s + problem + u"\nPrueba «quorlin --help» para más información.\n"_s)
                .toStdString());
        return 1;
    }

    // The parser names an unknown option without the dashes that start it ("--" or "-") or its
    // value; show it as it was typed.
    QString asTyped(const QStringList& arguments, const QString& name)
    {
        for (const QString& argument : arguments) {
            if (argument == u"--")
                break;
            const QString option = argument.section(u'=', 0, 0);
            const qsizetype dashes = option.startsWith(u"--") ? 2 : option.startsWith(u'-') ? 1 : 0;
            if (dashes > 0 && option.mid(dashes) == name)
                return option;
        }
        return u"-"_s + name;
    }

    // The program ends after this text: a write that fails, to a full disk for one, must not
    // end it as a success.
    int print(const char* text)
    {
        if (writeFinalText(Channel::Answer, text))
            return 0;
        writeFinalText(
            Channel::Complaint, "quorlin: no se ha podido escribir en la salida estándar\n");
        return 1;
    }

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform), so one dash starts a long option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList { u"h"_s, u"help"_s });
    const QCommandLineOption version(QStringList { u"v"_s, u"version"_s });
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), u"value"_s));
    for (const char* name : qtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refuse(
                u"opción desconocida: «%1»"_s.arg(asTyped(arguments.mid(1), unknown.constFirst())));
        return refuse(u"la línea de órdenes no es válida: «%1»"_s.arg(arguments.mid(1).join(u' ')));
    }
    if (parser.isSet(help))
        return print(helpText);
    if (parser.isSet(version))
        return print(versionText);
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            u"no admite argumentos: «%1»"_s.arg(parser.positionalArguments().constFirst()));
    return std::nullopt;
}

} // namespace quorlin
