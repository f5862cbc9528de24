// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/icon.h"

#include <QEvent>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace quorlin {

namespace {
#include "data/quorlin.xpm"

    // Every size of the icon, each decoded only when it is asked for and not kept: the desktop
    // takes them once, and the decoded pictures would otherwise stay in memory for the whole run.
    // Each picture is kept in the format the desktop takes (unpremultiplied ARGB), so that it is
    // not copied again.
    class PictureEngine final : public QIconEngine
    {
    public:
        QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
        {
            const int wanted = std::max(size.width(), size.height());
            const auto fit = std::find_if(quorlinIconSides.begin(), quorlinIconSides.end(),
                [wanted](int side) { return side >= wanted; });
            const int side = fit == quorlinIconSides.end() ? quorlinIconSides.back() : *fit;
            QPixmap picture = QPixmap::fromImage(quorlinPicture(side), Qt::NoFormatConversion);
            return side == wanted && size.width() == size.height()
                ? picture
                : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }

        void paint(
            QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
        {
            painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
        }

        QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
        {
            QList<QSize> sizes;
            // Largest first: the desktop's copy of the icon is built in this order, and the
            // largest picture is then copied while that copy is still empty.
            for (auto side = quorlinIconSides.rbegin(); side != quorlinIconSides.rend(); ++side)
                sizes.append(QSize(*side, *side));
            return sizes;
        }

        QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
        {
            const int side = std::min(size.width(), size.height());
            return QSize(side, side);
        }

        QIconEngine* clone() const override { return new PictureEngine; }
        QString key() const override { return QStringLiteral("quorlin"); }
    };

    // Waits for the window's first paint, then gives it the whole icon once that paint is done.
    class WholeIconAfterFirstPaint : public QObject
    {
        Q_OBJECT

    public:
        explicit WholeIconAfterFirstPaint(QWidget& window)
            : QObject(&window)
            , m_window(window)
        {
            window.installEventFilter(this);
        }

        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (watched == &m_window && event->type() == QEvent::Paint) {
                m_window.removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    giveWholeIcon(m_window);
                    deleteLater();
                });
            }
            return false;
        }

    private:
        QWidget& m_window;
    };

} // namespace

QImage quorlinPicture(int side)
{
    if (side == 32)
        return QImage(quorlin_xpm).convertToFormat(QImage::Format_ARGB32);
    // Read with its format named and no guessing: a reader that may guess loads every image
    // plugin first, even for a format it has built in.
    QImageReader reader(
        QStringLiteral(":/icons/%1x%1/io.github.quorlin.Quorlin.png").arg(side), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QIcon quorlinIcon() { return QIcon(new PictureEngine); }

void giveQuorlinIcon(QWidget& window)
{
    window.setWindowIcon(QIcon(QPixmap(quorlin_xpm)));
    new WholeIconAfterFirstPaint(window);
}

} // namespace quorlin

#include "icon.moc"
