// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/resultbox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

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
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box rather than typing a tab, so that the keyboard alone can move on.
    setTabChangesFocus(true);
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
