// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/resultbox.h"

#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <array>

namespace quorlin {

namespace {

    // The first room code units of text, less a lone first half of a surrogate pair at the cut.
    QString leading(const QString& text, qsizetype room)
    {
        if (text.size() <= room)
            return text;
        qsizetype length = room;
        if (length > 0 && text.at(length - 1).isHighSurrogate())
            --length;
        return text.left(length);
    }

    // The widest lines that a die of up to 100 faces gives: they should never wrap.
    constexpr std::array widestLines { u"Dado 10  Resultado = 00  ¡Exito!",
        u"Dado 10  Resultado = 00  ¡Fallo!" };

    /// A vertical scroll bar that may yield some of its width to the text beside it.
    class ReportScrollBar final : public QScrollBar
    {
        Q_OBJECT

    public:
        explicit ReportScrollBar(QWidget* parent)
            : QScrollBar(Qt::Vertical, parent)
        {
        }

        int yield() const { return m_yield; }
        int fullWidth() const { return QScrollBar::sizeHint().width(); }
        void setYield(int pixels)
        {
            m_yield = pixels;
            updateGeometry();
        }

        QSize sizeHint() const override { return QScrollBar::sizeHint() - QSize(m_yield, 0); }

    private:
        int m_yield = 0;
    };

    bool standsOnOneRow(
        const QString& line, const QFont& font, const QTextOption& option, int width)
    {
        QTextLayout layout(line, font);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine row = layout.createLine();
        row.setLineWidth(width);
        layout.endLayout();
        return row.textLength() == line.size();
    }

    // The least width on which each of the widest lines stands on one row, as the box lays its
    // text out: their advances, and what the layout keeps for a glyph that reaches past its own.
    int widestLineWidth(const QFont& font, const QTextOption& option)
    {
        const QFontMetricsF metrics(font);
        int width = 0;
        for (const char16_t* text : widestLines) {
            const QString line = QString::fromUtf16(text);
            const int advance = qCeil(metrics.horizontalAdvance(line));
            int needed = advance;
            while (needed < 2 * advance && !standsOnOneRow(line, font, option, needed))
                ++needed;
            width = std::max(width, needed);
        }
        return width;
    }
} // namespace

ResultBox::ResultBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setAccessibleName(QStringLiteral("Resultado de la tirada"));
    // A plain text box leaves a pixel around its text, not Qt's four: a report line of a die of
    // up to 100 faces then stands on one row.
    document()->setDocumentMargin(1);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_widestLine = widestLineWidth(font(), document()->defaultTextOption());
    setVerticalScrollBar(new ReportScrollBar(this));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box rather than typing a tab, so that the keyboard alone can move on.
    setTabChangesFocus(true);
}

bool ResultBox::event(QEvent* event)
{
    // Settled before the scroll area lays its viewport and bars out for the box's new size.
    if (event->type() == QEvent::Resize)
        keepRoomForWidestLine();
    return QPlainTextEdit::event(event);
}

void ResultBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_widestLine = widestLineWidth(font(), document()->defaultTextOption());
    // The scroll area has laid its children out for the new style or font already.
    if ((event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        && keepRoomForWidestLine()) {
        QEvent request(QEvent::LayoutRequest);
        QPlainTextEdit::event(&request);
    }
}

// Windows draws the window's font with whole-pixel advances, and its styles frame the box more
// thickly: there the widest line needs a few pixels more than the box leaves, and would wrap.
bool ResultBox::keepRoomForWidestLine()
{
    auto* bar = static_cast<ReportScrollBar*>(verticalScrollBar());
    const int needed = m_widestLine + 2 * qCeil(document()->documentMargin());
    const int unyielded = contentsRect().width() - bar->fullWidth();
    const int yield = std::clamp(needed - unyielded, 0, bar->fullWidth() / 2);
    if (yield == bar->yield())
        return false;
    bar->setYield(yield);
    return true;
}

qsizetype ResultBox::room() const
{
    const qsizetype held = document()->characterCount() - 1;
    const qsizetype selected = textCursor().selectedText().size();
    return std::max<qsizetype>(0, maxLength - (held - selected));
}

void ResultBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QMimeData bounded;
    bounded.setText(leading(source->text(), room()));
    QPlainTextEdit::insertFromMimeData(&bounded);
}

void ResultBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool inserts = (!text.isEmpty() && text.front().isPrint())
        || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (inserts && text.size() > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ResultBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().size() <= room()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent bounded(event->preeditString(), event->attributes());
    bounded.setCommitString(leading(event->commitString(), room()), event->replacementStart(),
        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&bounded);
}

} // namespace quorlin

#include "resultbox.moc"
