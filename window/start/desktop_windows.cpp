// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/desktop.h"

#include <QApplication>

namespace quorlin {

std::unique_ptr<QApplication> openDesktop(int& argc, char* argv[])
{
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace quorlin
