// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/keepnormal.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace quorlin {

namespace {

    constexpr Qt::WindowStates enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

    class KeepUnmaximised final : public QObject
    {
        Q_OBJECT

    public:
        explicit KeepUnmaximised(QWidget& window)
            : QObject(&window)
            , m_window(window)
        {
            window.installEventFilter(this);
        }

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            // The state is given back once the desktop's change has been handled to its end.
            if (watched == &m_window && event->type() == QEvent::WindowStateChange
                && (m_window.windowState() & enlarged))
                QTimer::singleShot(0, this,
                    [this] { m_window.setWindowState(m_window.windowState() & ~enlarged); });
            return false;
        }

    private:
        QWidget& m_window;
    };

} // namespace

void keepUnmaximised(QWidget& window) { new KeepUnmaximised(window); }

} // namespace quorlin

#include "keepnormal.moc"
