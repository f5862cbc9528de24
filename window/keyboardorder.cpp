// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/keyboardorder.h"

#include "window/accesskeylabel.h"

#include <QPushButton>

namespace quorlin {

namespace {

    QPushButton* buttonWithAccessKeyOf(
        const QString& caption, const std::vector<QWidget*>& tabOrder)
    {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        for (QWidget* control : tabOrder) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && !key.isEmpty() && QKeySequence::mnemonic(button->text()) == key)
                return button;
        }
        return nullptr;
    }

    void focusAfter(const QWidget* label, const std::vector<QWidget*>& tabOrder)
    {
        const auto count = tabOrder.size();
        std::size_t at = 0;
        while (at < count && tabOrder[at] != label)
            ++at;
        for (std::size_t step = 1; step < count; ++step) {
            QWidget* candidate = tabOrder[(at + step) % count];
            if (candidate->focusPolicy() != Qt::NoFocus && candidate->isEnabled()) {
                candidate->setFocus(Qt::ShortcutFocusReason);
                return;
            }
        }
    }

} // namespace

void arrangeTabOrder(const std::vector<QWidget*>& tabOrder)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : tabOrder) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            widget->setFocus(Qt::OtherFocusReason);
        previous = widget;
    }
}

void bindAccessKeys(const std::vector<QWidget*>& tabOrder)
{
    for (QWidget* control : tabOrder) {
        auto* label = qobject_cast<AccessKeyLabel*>(control);
        if (!label)
            continue;
        QPushButton* sharing = buttonWithAccessKeyOf(label->text(), tabOrder);
        if (!sharing) {
            label->setAction([label, tabOrder] { focusAfter(label, tabOrder); });
            continue;
        }
        // Alt+D belongs to "&Dificultad" and "Tirar &Dados". While the button is enabled, the
        // key presses it; while it is disabled (before the first die is chosen) its key is dead
        // and the label's takes over. The press is at once: a delayed click would land on
        // whatever the next keystrokes opened in between, an error report included.
        sharing->setShortcut(QKeySequence());
        label->setAction([label, sharing, tabOrder] {
            if (sharing->isEnabled())
                sharing->click();
            else
                focusAfter(label, tabOrder);
        });
    }
}

} // namespace quorlin
