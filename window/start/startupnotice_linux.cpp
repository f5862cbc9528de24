// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/startupnotice.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace quorlin {

namespace {

    QByteArray& launcherStartupId()
    {
        static QByteArray id;
        return id;
    }

    xcb_atom_t atomFromReply(xcb_intern_atom_reply_t* reply)
    {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> owned(
            reply, &std::free);
        return reply == nullptr ? xcb_atom_t(XCB_ATOM_NONE) : reply->atom;
    }

    void labelWithStartupId(xcb_connection_t* connection, xcb_window_t window)
    {
        const QByteArray& id = launcherStartupId();
        const auto property = xcb_intern_atom(connection, false, 15, "_NET_STARTUP_ID");
        const auto utf8 = xcb_intern_atom(connection, false, 11, "UTF8_STRING");
        const xcb_atom_t propertyAtom
            = atomFromReply(xcb_intern_atom_reply(connection, property, nullptr));
        const xcb_atom_t utf8Atom = atomFromReply(xcb_intern_atom_reply(connection, utf8, nullptr));
        if (propertyAtom == XCB_ATOM_NONE || utf8Atom == XCB_ATOM_NONE)
            return;
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, propertyAtom, utf8Atom, 8,
            static_cast<uint32_t>(id.size()), id.constData());
    }

} // namespace

void keepLauncherStartupId() { launcherStartupId() = qgetenv("DESKTOP_STARTUP_ID"); }

void showAsLaunched(QWidget& window)
{
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        x11 != nullptr && !launcherStartupId().isEmpty())
        labelWithStartupId(x11->connection(), static_cast<xcb_window_t>(window.winId()));
    window.show();
    // Qt 6.8 hands the token over as the window shows, and takes it out of the environment.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        && qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
        window.activateWindow();
}

} // namespace quorlin
