// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/desktop.h"

#include "window/start/display.h"
#include "window/start/displaylost.h"
#include "window/start/sessionbus.h"

#include <QApplication>

namespace quorlin {

std::unique_ptr<QApplication> openDesktop(int& argc, char* argv[])
{
    settleSessionBus();
    sayDisplayLostInSpanish();
    return openDisplay(argc, argv);
}

} // namespace quorlin
