// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/frmtirardados.h"

#include "window/accesskeybutton.h"
#include "window/accesskeylabel.h"
#include "window/announcement.h"
#include "window/events/program.h"
#include "window/icon.h"
#include "window/listaccessible.h"
#include "window/resultbox.h"
#include "window/rolllistmodel.h"
#include "window/singlelinevalidator.h"
#include "window/windowstyle.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>

#include <array>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>

namespace quorlin {

using namespace Qt::StringLiterals;

namespace {

    struct Twips
    {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    enum class Kind { Frame, Label, List, EditableList, CheckBox, TextBox, Button };

    enum class Container { Window, Frame };

    // One control of the window as its form describes it. The name is the object name; a
    // control the logic touches has the name of its Control.
    struct ControlRow
    {
        std::u16string_view name;
        Kind kind = Kind::Label;
        std::u16string_view caption;
        Twips twips;
        std::size_t tabIndex = 0;
        Container container = Container::Window;
    };

    // The window's controls in the order they are made, which is the order they stack in. A
    // label names the list on the row after it.
    constexpr ControlRow controlRows[] = {
        { u"FrameDatos", Kind::Frame, u"Configuración del Dado", { 0, 0, 2676, 2076 }, 0,
            Container::Window },
        { u"Label1", Kind::Label, u"&Caras del Dado", { 144, 360, 1188, 288 }, 2,
            Container::Frame },
        { u"cmbCaras", Kind::EditableList, u"", { 1704, 315, 690, 288 }, 1, Container::Frame },
        { u"Label2", Kind::Label, u"Tirada &Mínima", { 144, 720, 1188, 288 }, 3, Container::Frame },
        { u"cmbMinimo", Kind::List, u"", { 1704, 675, 690, 288 }, 4, Container::Frame },
        { u"Label3", Kind::Label, u"&Dificultad", { 180, 1116, 1188, 288 }, 7, Container::Frame },
        { u"cmbDificultad", Kind::List, u"", { 1692, 1044, 690, 288 }, 8, Container::Frame },
        { u"Label4", Kind::Label, u"&Numero tiradas", { 180, 1476, 1188, 216 }, 12,
            Container::Frame },
        { u"cmbTiradas", Kind::List, u"", { 1692, 1404, 690, 288 }, 11, Container::Frame },
        { u"chkPersonaje", Kind::CheckBox, u"Generar personaje", { 180, 1800, 1956, 192 }, 10,
            Container::Frame },
        { u"txtResultado", Kind::TextBox, u"", { 0, 2088, 2676, 1416 }, 6, Container::Window },
        { u"cmdTirar", Kind::Button, u"Tirar &Dados", { 0, 3528, 1320, 330 }, 5,
            Container::Window },
        { u"cmdSalir", Kind::Button, u"&Salir", { 1332, 3528, 1356, 330 }, 9, Container::Window },
    };

    constexpr std::size_t rowCount = std::size(controlRows);

    constexpr bool wellFormed()
    {
        std::array<bool, rowCount> taken {};
        for (std::size_t row = 0; row < rowCount; ++row) {
            const ControlRow& control = controlRows[row];
            if (control.tabIndex >= rowCount || std::exchange(taken[control.tabIndex], true))
                return false;
            const bool isList = control.kind == Kind::List || control.kind == Kind::EditableList;
            const bool afterLabel = row > 0 && controlRows[row - 1].kind == Kind::Label;
            if (isList != afterLabel)
                return false;
        }
        return true;
    }
    static_assert(wellFormed(), "tab indices 0 .. n - 1 once each, a label before each list only");

    // 15 twips make one logical pixel (1440 to the logical inch, 96 pixels to it). Each coordinate
    // is rounded to the nearest whole pixel on its own; no whole number of twips lies halfway
    // between two pixels, 15 being odd.
    constexpr int pixelsOfTwips(int twips) { return (twips + 7) / 15; }

    QString qtText(std::u16string_view text)
    {
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }

    std::optional<Control> controlNamed(const QString& name)
    {
        for (Control control : allControls) {
            const std::string_view known = controlName(control);
            if (name == QLatin1String(known.data(), static_cast<qsizetype>(known.size())))
                return control;
        }
        return std::nullopt;
    }

    QGroupBox* makeFrame(const QString& caption, QWidget* container)
    {
        auto* frame = new QGroupBox(caption, container);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }

    ResultBox* makeResultBox(QWidget* container)
    {
        auto* box = new ResultBox(container);
        box->setAccessibleName(u"Resultado de la tirada"_s);
        // A plain text box leaves a pixel around its text, not Qt's four: a report line of a die
        // of up to 100 faces then stands on one row.
        box->document()->setDocumentMargin(1);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        // Tab leaves the box rather than typing a tab, so that the keyboard alone can move on.
        box->setTabChangesFocus(true);
        return box;
    }

    QPushButton* makeButton(const QString& caption, QWidget* container)
    {
        auto* button = new AccessKeyButton(caption, container);
        // Outside a dialog, auto-default only lets Enter press the button that has the focus;
        // neither button is the window's default or cancel button.
        button->setAutoDefault(true);
        button->setDefault(false);
        return button;
    }

    // The result box shows "\n" where RollState's texts carry "\r\n".
    QString shownText(const std::u16string& text)
    {
        return QString::fromStdU16String(text).replace(u"\r\n"_s, u"\n"_s);
    }

    // The window's size is fixed, so its frame asks for no maximise button or action. Window
    // managers that read these hints drop the button; on Wayland the equal least and greatest
    // sizes tell the compositor the same.
    constexpr Qt::WindowFlags fixedFrame = Qt::Window | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint;

    std::u16string storedText(QString shown)
    {
        return shown.replace(u'\n', u"\r\n"_s).toStdU16String();
    }

} // namespace

FrmTirarDados::FrmTirarDados(Program& program, QWidget* parent)
    : QWidget(parent, fixedFrame)
    , m_program(program)
    , m_state(program.state())
{
    setObjectName(u"frm_TirarDados"_s);
    setWindowTitle(u"Quorlin"_s);
    giveQuorlinIcon(*this);
    setFont(windowFont());
    setFixedSize(pixelsOfTwips(2688), pixelsOfTwips(3876));
    m_style = new WindowStyle;
    m_style->setParent(this);

    buildControls();
    arrangeTabOrder();
    bindAccessKeys();

    for (Control control : allControls) {
        widget(control)->setEnabled(m_state.isEnabled(control));
        if (hasText(control))
            showText(control);
    }
    m_state.setObserver([this](const StateChange& change) { apply(change); });
    bindUserOperations();
    combo(Control::cmbCaras)->setFocus(Qt::OtherFocusReason);
}

FrmTirarDados::~FrmTirarDados()
{
    // The controls are destroyed after this body, by the QWidget base: a field that commits its
    // text as it loses the focus then must not reach a window that is already half gone.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    m_state.setObserver({});
}

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
    userOperation([this] { m_state.press(Control::cmdSalir); });
}

void FrmTirarDados::buildControls()
{
    QWidget* frame = nullptr;
    // The label built on the row before, which names the list being built.
    AccessKeyLabel* label = nullptr;
    m_tabOrder.assign(rowCount, nullptr);
    for (const ControlRow& row : controlRows) {
        const QString name = qtText(row.name);
        const QString caption = qtText(row.caption);
        const std::optional<Control> control = controlNamed(name);
        const QRect geometry(pixelsOfTwips(row.twips.left), pixelsOfTwips(row.twips.top),
            pixelsOfTwips(row.twips.width), pixelsOfTwips(row.twips.height));
        QWidget* container = row.container == Container::Frame ? frame : this;
        QWidget* widget = nullptr;
        switch (row.kind) {
        case Kind::Frame:
            widget = frame = makeFrame(caption, container);
            break;
        case Kind::Label:
            widget = label = new AccessKeyLabel(caption, container);
            break;
        case Kind::List:
        case Kind::EditableList:
            widget = makeList(
                control.value(), row.kind == Kind::EditableList, geometry, *label, container);
            break;
        case Kind::CheckBox:
            widget = new QCheckBox(caption, container);
            widget->setStyle(m_style);
            break;
        case Kind::TextBox:
            widget = makeResultBox(container);
            break;
        case Kind::Button:
            widget = makeButton(caption, container);
            break;
        }
        widget->setObjectName(name);
        widget->setGeometry(geometry);
        m_tabOrder[row.tabIndex] = widget;
        if (control)
            m_controls[indexOf(*control)] = widget;
    }
}

QComboBox* FrmTirarDados::makeList(Control control, bool editable, const QRect& geometry,
    AccessKeyLabel& label, QWidget* container)
{
    auto* combo = new QComboBox(container);
    readAsList(*combo);
    combo->setStyle(m_style);
    // Some desktop styles choose the margins of an editable field from the size it has when it
    // is made: it must be made at its real size, or "32767" no longer fits in it.
    combo->setGeometry(geometry);
    if (editable)
        combo->setEditable(true);
    auto* model = new RollListModel(m_state, control, combo);
    combo->setModel(model);
    m_models[indexOf(control)] = model;
    if (editable) {
        // Inline completion would turn a typed "1" into "10"; Enter must not add items.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setValidator(new SingleLineValidator(combo));
    }
    // The list can hold 32767 items: sizes must come from one item, not from all of them.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    // The field inside the faces combo box is its value: a name of its own would be said after
    // the combo box's, and in its place while it is empty.
    combo->setAccessibleName(label.text().remove(u'&'));
    // The buddy tells the accessibility layer which label names the combo box; the label's own
    // access key still runs the window's action, not a jump to its buddy.
    label.setBuddy(combo);
    return combo;
}

void FrmTirarDados::bindAccessKeys()
{
    for (const ControlRow& row : controlRows) {
        if (row.kind != Kind::Label)
            continue;
        auto* label = static_cast<AccessKeyLabel*>(m_tabOrder[row.tabIndex]);
        QPushButton* sharing = buttonWithAccessKeyOf(label->text());
        if (!sharing) {
            label->setAction([this, label] { focusAfter(label); });
            continue;
        }
        // Alt+D belongs to "&Dificultad" and "Tirar &Dados". While the button is enabled, the
        // key presses it; while it is disabled (before the first die is chosen) its key is dead
        // and the label's takes over. The press is at once: a delayed click would land on
        // whatever the next keystrokes opened in between, an error report included.
        sharing->setShortcut(QKeySequence());
        label->setAction([this, label, sharing] {
            if (sharing->isEnabled())
                sharing->click();
            else
                focusAfter(label);
        });
    }
}

QPushButton* FrmTirarDados::buttonWithAccessKeyOf(const QString& caption) const
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    for (Control control : { Control::cmdTirar, Control::cmdSalir }) {
        if (!key.isEmpty() && QKeySequence::mnemonic(button(control)->text()) == key)
            return button(control);
    }
    return nullptr;
}

void FrmTirarDados::arrangeTabOrder()
{
    QWidget* previous = nullptr;
    for (QWidget* widget : m_tabOrder) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void FrmTirarDados::bindUserOperations()
{
    for (Control control :
        { Control::cmbCaras, Control::cmbMinimo, Control::cmbDificultad, Control::cmbTiradas }) {
        connect(combo(control), &QComboBox::activated, this, [this, control](int index) {
            userOperation([&] { m_state.chooseItem(control, index); });
        });
    }
    connect(combo(Control::cmbCaras)->lineEdit(), &QLineEdit::textEdited, this,
        [this](const QString& text) {
            userOperation([&] { m_state.editField(Control::cmbCaras, text.toStdU16String()); });
        });
    connect(static_cast<QCheckBox*>(widget(Control::chkPersonaje)), &QCheckBox::clicked, this,
        [this](bool checked) {
            userOperation([&] { m_state.setValue(Control::chkPersonaje, checked ? 1 : 0); });
        });
    connect(resultBox(), &QPlainTextEdit::textChanged, this, [this] {
        userOperation([&] {
            m_state.editText(Control::txtResultado, storedText(resultBox()->toPlainText()));
        });
    });
    for (Control control : { Control::cmdTirar, Control::cmdSalir }) {
        connect(button(control), &QPushButton::clicked, this,
            [this, control] { userOperation([&] { m_state.press(control); }); });
    }
}

template <typename Operation> void FrmTirarDados::userOperation(Operation&& operation)
{
    const bool outer = std::exchange(m_inUserOperation, true);
    m_program.perform(operation);
    m_inUserOperation = outer;
    if (!outer)
        showPendingRows();
}

void FrmTirarDados::apply(const StateChange& change)
{
    switch (change.kind) {
    case ChangeKind::Text:
        showPendingRows(change.control);
        showText(change.control);
        break;
    case ChangeKind::Cleared:
        model(change.control)->cleared();
        showText(change.control);
        break;
    case ChangeKind::Inserted:
        model(change.control)->rowInserted(change.position);
        // Outside a user operation nobody will tell the views later: the row shows at once.
        if (!m_inUserOperation)
            showPendingRows(change.control);
        break;
    case ChangeKind::Enabled:
        widget(change.control)->setEnabled(m_state.isEnabled(change.control));
        break;
    }
}

void FrmTirarDados::showPendingRows()
{
    for (Control control : allControls)
        showPendingRows(control);
}

void FrmTirarDados::showPendingRows(Control control)
{
    if (RollListModel* list = model(control); list && list->showPendingRows())
        showSelection(control);
}

void FrmTirarDados::showText(Control control)
{
    if (control == Control::txtResultado) {
        showReport(shownText(m_state.text(control)));
        return;
    }
    showSelection(control);
    if (control == Control::cmbCaras) {
        const QString text = QString::fromStdU16String(m_state.text(control));
        if (combo(control)->currentText() != text)
            combo(control)->setEditText(text);
    }
}

// The report is written piece by piece; a screen reader that follows the result box hears it
// once, whole, when the operation that wrote it has ended. One that follows another control
// hears it too, read out, wherever the focus is.
void FrmTirarDados::showReport(const QString& text)
{
    if (QAccessible::isActive() && !m_reportAnnouncement) {
        m_reportAnnouncement = resultBox()->toPlainText();
        QMetaObject::invokeMethod(
            this, [this] { announceReport(); }, Qt::QueuedConnection);
    }
    const QSignalBlocker blocker(resultBox());
    resultBox()->setPlainText(text);
}

void FrmTirarDados::announceReport()
{
    const QString before = m_reportAnnouncement.value_or(QString());
    m_reportAnnouncement.reset();
    const QString now = resultBox()->toPlainText();
    if (now == before)
        return;
    QAccessibleTextUpdateEvent changed(resultBox(), 0, before, now);
    QAccessible::updateAccessibility(&changed);
    announce(resultBox(), spokenReport(now));
}

// QComboBox selects the first row of a list that gets its first item; RollState leaves it
// unselected. Setting the index programmatically emits no activated(), so no event results.
void FrmTirarDados::showSelection(Control control)
{
    QComboBox* box = combo(control);
    const int selected = m_state.selectedIndex(control);
    if (box->currentIndex() == selected)
        return;
    const QString text = box->currentText();
    box->setCurrentIndex(selected);
    if (box->isEditable() && selected < 0)
        box->setEditText(text);
}

QWidget* FrmTirarDados::widget(Control control) const { return m_controls[indexOf(control)]; }

QComboBox* FrmTirarDados::combo(Control control) const
{
    return static_cast<QComboBox*>(widget(control));
}

QPushButton* FrmTirarDados::button(Control control) const
{
    return static_cast<QPushButton*>(widget(control));
}

QPlainTextEdit* FrmTirarDados::resultBox() const
{
    return static_cast<QPlainTextEdit*>(widget(Control::txtResultado));
}

RollListModel* FrmTirarDados::model(Control control) const { return m_models[indexOf(control)]; }

void FrmTirarDados::focusAfter(const QWidget* label)
{
    const auto count = m_tabOrder.size();
    std::size_t at = 0;
    while (at < count && m_tabOrder[at] != label)
        ++at;
    for (std::size_t step = 1; step < count; ++step) {
        QWidget* candidate = m_tabOrder[(at + step) % count];
        if (candidate->focusPolicy() != Qt::NoFocus && candidate->isEnabled()) {
            candidate->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

} // namespace quorlin
