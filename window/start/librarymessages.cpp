// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/librarymessages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quorlin {

namespace {

    QtMessageHandler passOn = nullptr;

    bool tellsPlayerNothing(const QMessageLogContext& context, const QString& message)
    {
        return (message.startsWith(QLatin1String("QStandardPaths: "))
                   && (message.contains(QLatin1String("runtime directory"))
                       || message.contains(QLatin1String("XDG_RUNTIME_DIR"))))
            || qstrcmp(context.category, "qt.xkb.compose") == 0;
    }

    void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (tellsPlayerNothing(context, message))
            return;
        // Without its thread, the toolkit stops taking the window's events: the window would
        // stay on the screen, frozen.
        if (message.startsWith(QLatin1String("QThread::start: Thread creation error"))) {
            std::fputs(outOfMemorySentence, stderr);
            std::_Exit(1);
        }
        passOn(type, context, message);
    }

    // The font library's own test: a language of two or three letters, then an optional
    // territory of two or three ("z" and up to four), after "." codesets and "@" modifiers go.
    bool isLanguageTag(std::string_view locale)
    {
        if (locale == "C" || locale == "C.UTF-8" || locale == "C.utf8" || locale == "POSIX")
            return true;
        locale = locale.substr(0, locale.find_first_of(".@"));
        const std::size_t separator = locale.find_first_of("_-");
        const std::string_view language = locale.substr(0, separator);
        if (language.size() < 2 || language.size() > 3)
            return false;
        if (separator == std::string_view::npos)
            return true;
        const std::string_view territory = locale.substr(separator + 1);
        return (territory.size() >= 2 && territory.size() <= 3)
            || (territory.starts_with('z') && territory.size() < 5);
    }

} // namespace

void quietenLibraries()
{
    passOn = qInstallMessageHandler(handle);
    if (!qEnvironmentVariableIsEmpty("FC_LANG"))
        return;
    // The font library reads the first of these that is set, and warns in English of any item
    // it cannot use; it then falls back to "en", which FC_LANG now gives it without the warning.
    for (const char* name : { "LC_ALL", "LC_CTYPE", "LANG" }) {
        const QByteArray locales = qgetenv(name);
        if (locales.isEmpty())
            continue;
        const std::string languages = fontLanguages(locales.toStdString());
        if (languages != locales.toStdString())
            qputenv("FC_LANG", QByteArray::fromStdString(languages));
        return;
    }
}

bool memoryIsShort()
{
    // Stored where the compiler must keep it, so that the allocation is really made.
    void* volatile room = std::malloc(16 << 20);
    std::free(room);
    return room == nullptr;
}

std::string fontLanguages(std::string_view locales)
{
    std::string kept;
    bool dropped = false;
    while (!locales.empty()) {
        const std::size_t colon = locales.find(':');
        const std::string_view locale = locales.substr(0, colon);
        locales = colon == std::string_view::npos ? std::string_view() : locales.substr(colon + 1);
        if (!isLanguageTag(locale)) {
            dropped = true;
            continue;
        }
        if (!kept.empty())
            kept += ':';
        kept += locale;
    }
    if (!dropped)
        return kept;
    return kept.empty() ? "en" : kept;
}

} // namespace quorlin
