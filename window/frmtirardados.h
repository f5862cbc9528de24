// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QStyle;

namespace quorlin {

class AccessKeyLabel;
class Program;
class RollListModel;

/// Quorlin's one window: thirteen controls in its fixed geometry, each bound for the window's
/// whole life to the RollState entry of its name. Every program operation on RollState reaches
/// its control before the operation returns (texts, items, selection, enabled flag), and raises
/// nothing back; a list's open-able view hears of appended items once the user operation ends.
/// Every user action on a control becomes the matching RollState user operation, which the
/// program performs at its one catch point, and whose event it dispatches.
class FrmTirarDados final : public QWidget
{
    Q_OBJECT

public:
    /// Builds the controls in the state that the program's RollState holds now, and binds them.
    /// Closing the window presses cmdSalir, which ends the program.
    explicit FrmTirarDados(Program& program, QWidget* parent = nullptr);
    ~FrmTirarDados() override;

    FrmTirarDados(const FrmTirarDados&) = delete;
    FrmTirarDados& operator=(const FrmTirarDados&) = delete;

    /// The window's font, which every control takes over.
    static QFont windowFont();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// Makes, names and places every control of the window's table, and records each by its
    /// tab index and, for those the logic touches, by its Control.
    void buildControls();
    /// The combo box of a list control, named after its label for screen readers.
    QComboBox* makeList(Control control, bool editable, const QRect& geometry,
        AccessKeyLabel& label, QWidget* container);
    void arrangeTabOrder();
    /// Gives each label's access key its action: the focus moves on from the label, unless a
    /// button shares the key.
    void bindAccessKeys();
    /// The button whose access key is the caption's, if any.
    QPushButton* buttonWithAccessKeyOf(const QString& caption) const;
    void bindUserOperations();
    /// Has the program perform one user operation on the state; views hear of the rows it
    /// appended once, at its end.
    template <typename Operation> void userOperation(Operation&& operation);

    void apply(const StateChange& change);
    void showPendingRows();
    void showPendingRows(Control control);
    void showText(Control control);
    void showReport(const QString& text);
    void announceReport();
    void showSelection(Control control);
    QWidget* widget(Control control) const;
    QComboBox* combo(Control control) const;
    QPushButton* button(Control control) const;
    QPlainTextEdit* resultBox() const;
    RollListModel* model(Control control) const;

    void focusAfter(const QWidget* label);

    Program& m_program;
    RollState& m_state;

    std::array<QWidget*, controlCount> m_controls {};
    std::array<RollListModel*, controlCount> m_models {};
    // True while a user operation runs: rows appended meanwhile wait for its end.
    bool m_inUserOperation = false;
    // The report as a screen reader last heard it, while a new one waits to be announced.
    std::optional<QString> m_reportAnnouncement;
    QStyle* m_style = nullptr;
    // Every control by its tab index, labels and frame included (they never take the
    // focus, but a label's access key counts from its place here).
    std::vector<QWidget*> m_tabOrder;
};

} // namespace quorlin
