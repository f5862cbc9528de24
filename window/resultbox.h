// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

namespace quorlin {

/// The result box: what the user types, pastes or drops is cut to the room left below maxLength,
/// since breaking a long line at word boundaries costs far more than its length. Texts that the
/// program sets are shown whole, their lines broken as before. The widest report line of a die of
/// up to 100 faces always stands on one row: where a style and font leave it too little room, the
/// scroll bar gives up the pixels it lacks.
class ResultBox final : public QPlainTextEdit
{
    Q_OBJECT

public:
    /// The most UTF-16 code units that the user's input can make the box hold, a line break
    /// counting as one: far above any report, and small enough that even one line without a
    /// blank is laid out again within a keystroke.
    static constexpr qsizetype maxLength = 16384;

    /// A box named for screen readers, its lines broken at word boundaries to its width, that
    /// Tab leaves rather than typing a tab.
    explicit ResultBox(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    /// The code units that input may still add, the selection it would replace counted as free.
    qsizetype room() const;
    /// Narrows the scroll bar by the pixels, if any, that the widest report line lacks in the
    /// style, font and size of the moment, at most to half its width; true when it changed.
    bool keepRoomForWidestLine();

    /// The least width on which the widest report line stands on one row in the box's font,
    /// measured when the font changes.
    int m_widestLine = 0;
};

} // namespace quorlin
