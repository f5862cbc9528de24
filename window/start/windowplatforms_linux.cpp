// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/windowplatforms.h"

namespace quorlin {

bool showsPlayerWindow(QByteArrayView plugin)
{
    // wayland, wayland-egl, wayland-xcomposite-glx, ...: every Wayland client plugin.
    return plugin == "xcb" || plugin.startsWith("wayland");
}

const char* playerDesktops() { return "X11 o Wayland"; }

} // namespace quorlin
