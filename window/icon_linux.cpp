// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/icon.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace quorlin {

namespace {

    xcb_atom_t iconProperty(xcb_connection_t* connection)
    {
        constexpr char name[] = "_NET_WM_ICON";
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr),
            &std::free);
        return reply == nullptr ? xcb_atom_t(XCB_ATOM_NONE) : reply->atom;
    }

} // namespace

// The toolkit would build the whole property in memory from a copy of every picture, beside the
// pictures themselves: about 0.7 MiB at the moment the program's memory peaks. Written a size at
// a time, only one decoded picture is ever held, and the X server reads it from where it lies.
void giveWholeIcon(QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 == nullptr ? nullptr : x11->connection();
    const xcb_atom_t property
        = connection == nullptr ? xcb_atom_t(XCB_ATOM_NONE) : iconProperty(connection);
    if (property == XCB_ATOM_NONE) {
        window.setWindowIcon(quorlinIcon());
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    // A request longer than the server takes would close the connection: a server without
    // big requests takes no more than 64 Ki four-byte units, less than the 256 px picture.
    const std::uint32_t longestRequest = xcb_get_maximum_request_length(connection);
    constexpr std::uint32_t requestHeader = 6;
    auto mode = XCB_PROP_MODE_REPLACE;
    for (int side : quorlinIconSides) {
        if (std::uint32_t(side * side) + requestHeader > longestRequest)
            continue;
        const QImage picture = quorlinPicture(side);
        if (picture.size() != QSize(side, side))
            continue;
        // Each picture is its width and height, then its pixels as 32-bit ARGB, row after row:
        // the layout of an ARGB32 image, whose rows are never padded.
        const std::uint32_t header[] = { std::uint32_t(side), std::uint32_t(side) };
        xcb_change_property(connection, mode, id, property, XCB_ATOM_CARDINAL, 32, 2, header);
        mode = XCB_PROP_MODE_APPEND;
        xcb_change_property(connection, mode, id, property, XCB_ATOM_CARDINAL, 32,
            std::uint32_t(side * side), picture.constBits());
        xcb_flush(connection);
    }
}

} // namespace quorlin
