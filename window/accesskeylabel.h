// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

#include <functional>

namespace quorlin {

/// A label whose access key ("&" in its caption, drawn underlined) runs an action chosen by the
/// window, worked out when the key is pressed rather than fixed to one control. Its buddy, the
/// control it names, only tells the accessibility layer what the label labels: the key never
/// jumps to the buddy by itself.
class AccessKeyLabel final : public QLabel
{
    Q_OBJECT

public:
    using Action = std::function<void()>;

    AccessKeyLabel(const QString& caption, QWidget* parent);

    void setAction(Action action) { m_action = std::move(action); }

protected:
    bool event(QEvent* event) override;

private:
    Action m_action;
};

} // namespace quorlin
