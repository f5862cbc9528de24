// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/host.h"

class QWidget;

namespace quorlin {

/// The host of the real program: the error report is a Spanish message box over the window,
/// and the end hides the window and makes the event loop return 0.
class WindowHost final : public Host
{
public:
    /// The window that reports stand over and that the end hides; may be null.
    void setWindow(QWidget* window) { m_window = window; }

    /// Hides the window at once and asks the running event loop to return 0. Later events reach
    /// no handler: Program stops dispatching first.
    void endProgram() override;

    /// Shows a modal warning, titled and worded by the error's kind, and returns once the user
    /// has closed it; nothing of the window changes, and no user input reaches the window
    /// while the box is open.
    void reportError(const Error& error) override;

private:
    QWidget* m_window = nullptr;
};

} // namespace quorlin
