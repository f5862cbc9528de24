#pragma once

#include <QPlainTextEdit>

namespace quorlin {

/// The result box. Its lines break at any character, so that laying out a long line costs no
/// more than its length, and what the user types, pastes or drops is cut to the room left below
/// maxLength. Texts that the program sets are shown whole.
class ResultBox final : public QPlainTextEdit
{
public:
    /// The most UTF-16 code units that the user's input can make the box hold, a line break
    /// counting as one: far above any report, and small enough to lay out within a keystroke.
    static constexpr qsizetype maxLength = 65536;

    explicit ResultBox(QWidget* parent);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    /// The code units that input may still add, the selection it would replace counted as free.
    qsizetype room() const;
};

} // namespace quorlin
