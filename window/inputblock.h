// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

namespace quorlin {

/// While it lives, no user input reaches the window or any of its controls: keystrokes, access
/// keys, mouse and wheel are dropped before the toolkit delivers them, whatever their source
/// (a shortcut matched against a window that still counts as active, a synthesised event).
/// Other windows, such as a modal report over this one, get their input as usual.
class InputBlock final : public QObject
{
    Q_OBJECT

public:
    /// Blocks input to window; a null window blocks nothing.
    explicit InputBlock(QWidget* window);
    ~InputBlock() override;

    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window = nullptr;
};

} // namespace quorlin
