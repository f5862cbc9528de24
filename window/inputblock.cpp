// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/inputblock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace quorlin {

namespace {

    bool isUserInput(QEvent::Type type)
    {
        switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }

} // namespace

InputBlock::InputBlock(QWidget* window)
    : m_window(window)
{
    if (m_window)
        QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock()
{
    if (m_window)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event)
{
    if (!isUserInput(event->type()) || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    // An accepted override tells the shortcut map that the key is taken, so no access key of
    // the window matches it either.
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    return true;
}

} // namespace quorlin
