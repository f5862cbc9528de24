#pragma once

#include "roll/rollstate.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QStyle;

namespace quorlin {

class Host;
class Program;
class AccessKeyLabel;
class RollListModel;

/// Quorlin's one window: thirteen controls at their designed places, each bound for the window's
/// whole life to the RollState entry of its name. Every program operation on RollState reaches
/// its control before the operation returns (texts, items, selection, enabled flag), and raises
/// nothing back; a list's open-able view hears of appended items once the user operation ends.
/// Every user action on a control becomes the matching RollState user operation, whose event
/// Program dispatches.
class FrmTirarDados final : public QWidget
{
public:
    /// Builds the controls in the state that RollState holds now, and binds them. Closing the
    /// window ends the program through host.
    FrmTirarDados(Program& program, Host& host, QWidget* parent = nullptr);
    ~FrmTirarDados() override;

    FrmTirarDados(const FrmTirarDados&) = delete;
    FrmTirarDados& operator=(const FrmTirarDados&) = delete;

    /// The designed font of the window, which every control takes over.
    static QFont designFont();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QComboBox* makeCombo(Control control, AccessKeyLabel* label);
    void arrangeTabOrder();
    void bindUserOperations();

    void apply(const StateChange& change);
    void showPendingRows();
    void showPendingRows(Control control);
    void showText(Control control);
    void showSelection(Control control);
    QWidget* widget(Control control) const;
    QComboBox* combo(Control control) const;
    RollListModel* model(Control control) const;

    void focusAfter(const QWidget* label);

    Program& m_program;
    Host& m_host;

    std::array<QWidget*, controlCount> m_controls {};
    std::array<RollListModel*, controlCount> m_models {};
    QComboBox* m_cmbCaras = nullptr;
    QPlainTextEdit* m_txtResultado = nullptr;
    QCheckBox* m_chkPersonaje = nullptr;
    QPushButton* m_cmdTirar = nullptr;
    bool m_rowsPending = false;
    QStyle* m_dropDownStyle = nullptr;
    // Every control by its designed tab index, labels and frame included (they never take the
    // focus, but a label's access key counts from its place here).
    std::array<QWidget*, 13> m_tabOrder {};
};

} // namespace quorlin
