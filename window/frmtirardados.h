// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/rollstate.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QStyle;

namespace quorlin {

class AccessKeyLabel;
struct Twips;
class RollListModel;

/// Quorlin's one window: thirteen controls in its fixed geometry, each bound for the window's
/// whole life to the RollState entry of its name. Every program operation on RollState reaches
/// its control before the operation returns (texts, items, selection, enabled flag), and raises
/// nothing back; a list's open-able view hears of appended items once the user operation ends.
/// Every user action on a control becomes the matching RollState user operation, whose event
/// the state's event sink (Program) dispatches.
class FrmTirarDados final : public QWidget
{
    Q_OBJECT

public:
    /// Builds the controls in the state that RollState holds now, and binds them. Closing the
    /// window presses cmdSalir, which ends the program.
    explicit FrmTirarDados(RollState& state, QWidget* parent = nullptr);
    ~FrmTirarDados() override;

    FrmTirarDados(const FrmTirarDados&) = delete;
    FrmTirarDados& operator=(const FrmTirarDados&) = delete;

    /// The window's font, which every control takes over.
    static QFont windowFont();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// Names the widget after control, places it, and records it as that control's widget.
    template <typename Widget>
    Widget* addControl(Control control, Widget* widget, const Twips& twips);
    /// Builds a list in the frame with the label that names it, both placed; returns the label.
    AccessKeyLabel* addList(QWidget* frame, Control control, const QString& labelName,
        const QString& caption, const Twips& labelTwips, const Twips& listTwips);
    void arrangeTabOrder();
    void bindUserOperations();
    /// Runs one user operation on the state; views hear of the rows it appended once, at its
    /// end.
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
    std::array<QWidget*, 13> m_tabOrder {};
};

} // namespace quorlin
