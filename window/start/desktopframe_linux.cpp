// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/desktopframe.h"

#include <QByteArray>
#include <QtGlobal>

#include <wayland-client.h>

#include <cstring>

namespace quorlin {

namespace {

    // A compositor that offers this interface draws the frames of the windows that ask it to, as
    // the toolkit does.
    constexpr const char* serverFrames = "zxdg_decoration_manager_v1";

    void noteGlobal(void* drawsFrames, wl_registry*, uint32_t, const char* interface, uint32_t)
    {
        if (std::strcmp(interface, serverFrames) == 0)
            *static_cast<bool*>(drawsFrames) = true;
    }

    void ignoreRemoval(void*, wl_registry*, uint32_t) { }

    // Asks the compositor which globals it offers; false also when it cannot be reached, since
    // the toolkit would then not reach it either.
    bool compositorDrawsFrames(wl_display* display)
    {
        static constexpr wl_registry_listener listener { noteGlobal, ignoreRemoval };
        bool drawsFrames = false;
        wl_registry* registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &listener, &drawsFrames);
        wl_display_roundtrip(display);
        wl_registry_destroy(registry);
        return drawsFrames;
    }

} // namespace

void preferDesktopDrawnFrame()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return;
    const bool drawsFrames = compositorDrawsFrames(display);
    wl_display_disconnect(display);
    if (drawsFrames)
        return;
    // Should the X server not answer after all, the window goes without a frame rather than
    // with the toolkit's.
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

} // namespace quorlin
