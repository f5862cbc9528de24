// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes one picture of the window under every desktop style installed here, with a light and a
// dark palette, after the typical use (a d20 against difficulty 12, three throws), to the PNG
// file named on the command line; CONTRIBUTING.md shows it. Below them, each style's open list of
// difficulties after a die of 32767 faces.
#include "tests/support/darkpalette.h"
#include "tests/support/scriptedrandom.h"
#include "window/frmtirardados.h"
#include "window/start/session.h"
#include "window/start/spanish.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QImageWriter>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Look
{
    QString style;
    QString caption;
    // The desktop's dark palette over the style's own look.
    bool dark = false;
};

struct Tile
{
    QString caption;
    QPixmap picture;
};

QComboBox* findCombo(quorlin::Session& session, const char* name)
{
    return session.window().findChild<QComboBox*>(QLatin1String(name));
}

// What a user's choice does: the control shows the item, then activated() reaches RollState.
void choose(quorlin::Session& session, const char* name, int index)
{
    QComboBox* combo = findCombo(session, name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QPixmap typicalUse()
{
    using quorlin::testing::wordForDraw;
    quorlin::testing::ScriptedRandom random(
        { wordForDraw(7, 20), wordForDraw(15, 20), wordForDraw(12, 20) });
    quorlin::Session session(random);
    session.start();
    choose(session, "cmbCaras", 5);
    choose(session, "cmbDificultad", 11);
    choose(session, "cmbTiradas", 2);
    session.window().findChild<QPushButton*>(u"cmdTirar"_s)->click();
    QApplication::processEvents();
    return session.window().grab();
}

// The window with the difficulties of a 32767-faced die open at their end, the widest values.
QPixmap openList()
{
    quorlin::testing::ScriptedRandom random({});
    quorlin::Session session(random);
    session.start();
    QLineEdit* faces = findCombo(session, "cmbCaras")->lineEdit();
    faces->setText(u"32767"_s);
    emit faces->textEdited(faces->text());
    QComboBox* list = findCombo(session, "cmbDificultad");
    choose(session, "cmbDificultad", list->count() - 1);
    // The window as it looks while active; the list opens over it and may reach below it.
    session.window().activateWindow();
    QApplication::processEvents();
    const QPixmap window = session.window().grab();
    list->showPopup();
    QApplication::processEvents();
    QWidget* popup = list->view()->window();
    const QPoint at = popup->mapToGlobal(QPoint()) - session.window().mapToGlobal(QPoint());
    const QRect whole
        = QRect(QPoint(), window.deviceIndependentSize().toSize()).united(QRect(at, popup->size()));
    QPixmap picture(whole.size() * window.devicePixelRatio());
    picture.setDevicePixelRatio(window.devicePixelRatio());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(-whole.topLeft(), window);
    painter.drawPixmap(at - whole.topLeft(), popup->grab());
    painter.end();
    list->hidePopup();
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quorlin_style_gallery FILE.png\n", stderr);
        return 2;
    }
    quorlin::installSpanish(application);

    const std::vector<Look> looks { { u"Fusion"_s, u"Fusion"_s }, { u"Windows"_s, u"Windows"_s },
        { u"Breeze"_s, u"Breeze"_s }, { u"Adwaita"_s, u"Adwaita"_s },
        { u"Fusion"_s, u"Fusion oscuro"_s, true }, { u"Windows"_s, u"Windows oscuro"_s, true },
        { u"Breeze"_s, u"Breeze oscuro"_s, true }, { u"Adwaita-Dark"_s, u"Adwaita-Dark"_s } };
    // Light looks on the first row, dark ones on the second, open lists on the third.
    std::vector<std::vector<Tile>> rows(3);
    for (const Look& look : looks) {
        if (!QStyleFactory::keys().contains(look.style, Qt::CaseInsensitive)) {
            std::fprintf(stderr, "quorlin_style_gallery: style %s is not installed\n",
                qPrintable(look.style));
            continue;
        }
        QApplication::setStyle(look.style);
        // A palette once set stays through a change of style: each look sets its own.
        QApplication::setPalette(look.dark ? quorlin::testing::darkDesktopPalette()
                                           : QApplication::style()->standardPalette());
        const bool darkRow = look.dark || look.style == u"Adwaita-Dark";
        rows[darkRow ? 1 : 0].push_back({ look.caption, typicalUse() });
        if (!look.dark)
            rows[2].push_back({ look.caption + u", lista abierta"_s, openList() });
    }
    if (rows[0].empty())
        return 1;

    std::size_t perRow = 0;
    for (const std::vector<Tile>& row : rows)
        perRow = std::max(perRow, row.size());
    const qreal ratio = rows[0].front().picture.devicePixelRatio();
    const QSize tile = rows[0].front().picture.deviceIndependentSize().toSize();
    const int captionHeight = 16;
    const int gap = 8;
    int listHeight = tile.height();
    for (const Tile& item : rows[2])
        listHeight = std::max(listHeight, int(item.picture.deviceIndependentSize().height()));
    const QSize cell(tile.width() + gap, tile.height() + captionHeight + gap);
    const int height = 2 * cell.height() + listHeight + captionHeight + 2 * gap;
    QImage gallery(QSize(cell.width() * int(perRow) + gap, height) * ratio, QImage::Format_RGB32);
    gallery.setDevicePixelRatio(ratio);
    gallery.fill(Qt::white);
    QPainter painter(&gallery);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < int(rows[row].size()); ++column) {
            const Tile& item = rows[row][column];
            const QPoint corner(gap + column * cell.width(), gap + row * cell.height());
            painter.drawText(QRect(corner, QSize(tile.width(), captionHeight)),
                Qt::AlignLeft | Qt::AlignVCenter, item.caption);
            painter.drawPixmap(corner + QPoint(0, captionHeight), item.picture);
        }
    }
    painter.end();
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "png");
    // The smallest file: the picture lives in the repository.
    writer.setQuality(0);
    return writer.write(gallery) ? 0 : 1;
}
