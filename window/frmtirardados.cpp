// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/frmtirardados.h"

#include "window/accesskeybutton.h"
#include "window/accesskeylabel.h"
#include "window/controlrows.h"
#include "window/events/program.h"
#include "window/icon.h"
#include "window/keyboardorder.h"
#include "window/listaccessible.h"
#include "window/listbinding.h"
#include "window/plainbinding.h"
#include "window/reportbinding.h"
#include "window/resultbox.h"
#include "window/smallcontrolstyle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <vector>

namespace quorlin {

using namespace Qt::StringLiterals;

namespace {

    QString qtText(std::u16string_view text)
    {
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }

    // The window's size is fixed, so its frame asks for no maximise button or action. Window
    // managers that read these hints drop the button; on Wayland the equal least and greatest
    // sizes tell the compositor the same.
    constexpr Qt::WindowFlags fixedFrame = Qt::Window | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint;

} // namespace

FrmTirarDados::FrmTirarDados(Program& program, QWidget* parent)
    : QWidget(parent, fixedFrame)
    , m_operations(program)
{
    setObjectName(u"frm_TirarDados"_s);
    setWindowTitle(u"Quorlin"_s);
    giveQuorlinIcon(*this);
    setFont(windowFont());
    setFixedSize(pixelsOfTwips(2688), pixelsOfTwips(3876));
    m_style = new SmallControlStyle;
    m_style->setParent(this);

    QWidget* frame = nullptr;
    // The label made on the row before, which names the list being made.
    AccessKeyLabel* label = nullptr;
    // Every control by its tab index, labels and frame included (they never take the focus, but
    // a label's access key counts from its place here).
    std::vector<QWidget*> tabOrder(rowCount);
    for (const ControlRow& row : controlRows) {
        QWidget* control = makeControl(row, frame, label);
        if (!row.control && row.decoration == Decoration::Frame)
            frame = control;
        label = qobject_cast<AccessKeyLabel*>(control);
        tabOrder[row.tabIndex] = control;
    }
    arrangeTabOrder(tabOrder);
    bindAccessKeys(tabOrder);

    m_operations.state().setObserver(
        [this](const StateChange& change) { m_bindings[indexOf(change.control)]->apply(change); });
}

FrmTirarDados::~FrmTirarDados() { m_operations.state().setObserver({}); }

// 7.5 points are 10 pixels at 96 dots per inch, where 8 points round up to 11.
QFont FrmTirarDados::windowFont()
{
    QFont font(u"DejaVu Sans Condensed"_s);
    font.setPointSizeF(7.5);
    return font;
}

// Closing the window is the same as pressing "&Salir": the program ends through its one path.
void FrmTirarDados::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_operations.perform([this] { m_operations.state().press(Control::cmdSalir); });
}

QWidget* FrmTirarDados::makeControl(const ControlRow& row, QWidget* frame, AccessKeyLabel* label)
{
    const QString caption = qtText(row.caption);
    const QRect geometry(pixelsOfTwips(row.twips.left), pixelsOfTwips(row.twips.top),
        pixelsOfTwips(row.twips.width), pixelsOfTwips(row.twips.height));
    QWidget* container = row.container == Container::Frame ? frame : this;
    QWidget* widget = nullptr;
    if (!row.control) {
        if (row.decoration == Decoration::Frame) {
            widget = new QGroupBox(caption, container);
            widget->setFocusPolicy(Qt::NoFocus);
        } else {
            widget = new AccessKeyLabel(caption, container);
        }
        widget->setObjectName(qtText(row.name));
        widget->setGeometry(geometry);
        return widget;
    }
    const Control control = *row.control;
    std::unique_ptr<Binding> binding;
    switch (controlKind(control)) {
    case ControlKind::EditableCombo:
    case ControlKind::DropDownList: {
        const bool editable = controlKind(control) == ControlKind::EditableCombo;
        QComboBox* combo = makeList(editable, geometry, *label, container);
        binding = std::make_unique<ListBinding>(control, *combo, m_operations);
        widget = combo;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(caption, container);
        box->setStyle(m_style);
        binding = std::make_unique<PlainBinding>(control, *box, m_operations);
        widget = box;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new ResultBox(container);
        binding = std::make_unique<ReportBinding>(control, *box, m_operations);
        widget = box;
        break;
    }
    case ControlKind::Button: {
        auto* button = new AccessKeyButton(caption, container);
        // Outside a dialog, auto-default only lets Enter press the button that has the focus;
        // neither button is the window's default or cancel button.
        button->setAutoDefault(true);
        button->setDefault(false);
        binding = std::make_unique<PlainBinding>(control, *button, m_operations);
        widget = button;
        break;
    }
    }
    const std::string_view name = controlName(control);
    widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(geometry);
    binding->setParent(this);
    m_bindings[indexOf(control)] = std::move(binding);
    return widget;
}

QComboBox* FrmTirarDados::makeList(
    bool editable, const QRect& geometry, AccessKeyLabel& label, QWidget* container)
{
    auto* combo = new QComboBox(container);
    readAsList(*combo);
    combo->setStyle(m_style);
    // Some desktop styles choose the margins of an editable field from the size it has when it
    // is made: it must be made at its real size, or "32767" no longer fits in it.
    combo->setGeometry(geometry);
    combo->setEditable(editable);
    if (editable)
        m_style->fitField(*combo->lineEdit());
    // The field inside the faces combo box is its value: a name of its own would be said after
    // the combo box's, and in its place while it is empty.
    combo->setAccessibleName(label.text().remove(u'&'));
    // The buddy tells the accessibility layer which label names the combo box; the label's own
    // access key still runs the window's action, not a jump to its buddy.
    label.setBuddy(combo);
    return combo;
}

} // namespace quorlin
