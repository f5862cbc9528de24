// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for Quorlin's start-up and memory: a plain Qt window holding the same thirteen
// stock controls (stockwindow.h). scripts/bench-windows starts it side by side with Quorlin under
// Wine; window_bench's "stock" probe is the same window.
#include "stockwindow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    quorlin::bench::buildStockWindow(window);
    window.show();
    return application.exec();
}
