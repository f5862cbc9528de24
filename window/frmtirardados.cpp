// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/frmtirardados.h"

#include "window/accesskeylabel.h"
#include "window/icon.h"
#include "window/resultbox.h"
#include "window/rolllistmodel.h"
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

#include <utility>

namespace quorlin {

using namespace Qt::StringLiterals;

struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

namespace {

    // 15 twips make one logical pixel (1440 to the logical inch, 96 pixels to it). Each coordinate
    // is rounded to the nearest whole pixel on its own; no whole number of twips lies halfway
    // between two pixels, 15 being odd.
    constexpr int pixelsOfTwips(int twips) { return (twips + 7) / 15; }

    void place(QWidget* widget, const QString& name, const Twips& twips)
    {
        widget->setObjectName(name);
        widget->setGeometry(pixelsOfTwips(twips.left), pixelsOfTwips(twips.top),
            pixelsOfTwips(twips.width), pixelsOfTwips(twips.height));
    }

    QString nameOf(Control control)
    {
        const std::string_view name = controlName(control);
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }

    // The result box shows "\n" where RollState's texts carry "\r\n".
    QString shownText(const std::u16string& text)
    {
        return QString::fromStdU16String(text).replace(u"\r\n"_s, u"\n"_s);
    }

    std::u16string storedText(QString shown)
    {
        return shown.replace(u'\n', u"\r\n"_s).toStdU16String();
    }

} // namespace

FrmTirarDados::FrmTirarDados(RollState& state, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
{
    setObjectName(u"frm_TirarDados"_s);
    setWindowTitle(u"Quorlin"_s);
    giveQuorlinIcon(*this);
    setFont(windowFont());
    setFixedSize(pixelsOfTwips(2688), pixelsOfTwips(3876));
    m_style = new WindowStyle;
    m_style->setParent(this);

    auto* frame = new QGroupBox(u"Configuración del Dado"_s, this);
    place(frame, u"FrameDatos"_s, { 0, 0, 2676, 2076 });
    frame->setFocusPolicy(Qt::NoFocus);

    AccessKeyLabel* label1 = addList(frame, Control::cmbCaras, u"Label1"_s, u"&Caras del Dado"_s,
        { 144, 360, 1188, 288 }, { 1704, 315, 690, 288 });
    AccessKeyLabel* label2 = addList(frame, Control::cmbMinimo, u"Label2"_s, u"Tirada &Mínima"_s,
        { 144, 720, 1188, 288 }, { 1704, 675, 690, 288 });
    AccessKeyLabel* label3 = addList(frame, Control::cmbDificultad, u"Label3"_s, u"&Dificultad"_s,
        { 180, 1116, 1188, 288 }, { 1692, 1044, 690, 288 });
    AccessKeyLabel* label4 = addList(frame, Control::cmbTiradas, u"Label4"_s, u"&Numero tiradas"_s,
        { 180, 1476, 1188, 216 }, { 1692, 1404, 690, 288 });

    auto* chkPersonaje = addControl(Control::chkPersonaje,
        new QCheckBox(u"Generar personaje"_s, frame), { 180, 1800, 1956, 192 });
    chkPersonaje->setStyle(m_style);

    auto* txtResultado
        = addControl(Control::txtResultado, new ResultBox(this), { 0, 2088, 2676, 1416 });
    txtResultado->setAccessibleName(u"Resultado de la tirada"_s);
    // A plain text box leaves a pixel around its text, not Qt's four: a report line of a die of
    // up to 100 faces then stands on one row.
    txtResultado->document()->setDocumentMargin(1);
    txtResultado->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtResultado->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtResultado->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtResultado->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box rather than typing a tab, so that the keyboard alone can move on.
    txtResultado->setTabChangesFocus(true);

    auto* cmdTirar = addControl(
        Control::cmdTirar, new QPushButton(u"Tirar &Dados"_s, this), { 0, 3528, 1320, 330 });
    // Alt+D is answered by Label3's access key, which presses this button while it is enabled.
    cmdTirar->setShortcut(QKeySequence());
    auto* cmdSalir = addControl(
        Control::cmdSalir, new QPushButton(u"&Salir"_s, this), { 1332, 3528, 1356, 330 });
    for (QPushButton* button : { cmdTirar, cmdSalir }) {
        // Outside a dialog, auto-default only lets Enter press the button that has the focus;
        // neither button is the window's default or cancel button.
        button->setAutoDefault(true);
        button->setDefault(false);
    }

    m_tabOrder = { frame, combo(Control::cmbCaras), label1, label2, combo(Control::cmbMinimo),
        cmdTirar, txtResultado, label3, combo(Control::cmbDificultad), cmdSalir, chkPersonaje,
        combo(Control::cmbTiradas), label4 };
    arrangeTabOrder();

    for (AccessKeyLabel* label : { label1, label2, label4 })
        label->setAction([this, label] { focusAfter(label); });
    // Alt+D belongs to "&Dificultad" and "Tirar &Dados". While the button is enabled, the key
    // presses it; while it is disabled (before the first die is chosen) its key is dead and the
    // label's takes over. The press is at once: a delayed click would land on whatever the next
    // keystrokes opened in between, an error report included.
    label3->setAction([this, label3, cmdTirar] {
        if (cmdTirar->isEnabled())
            cmdTirar->click();
        else
            focusAfter(label3);
    });

    for (Control control : allControls) {
        widget(control)->setEnabled(m_state.isEnabled(control));
        if (hasText(control))
            showText(control);
    }
    m_state.setObserver([this](const StateChange& change) { apply(change); });
    bindUserOperations();
    combo(Control::cmbCaras)->setFocus(Qt::OtherFocusReason);
}

FrmTirarDados::~FrmTirarDados() { m_state.setObserver({}); }

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
    m_state.press(Control::cmdSalir);
}

template <typename Widget>
Widget* FrmTirarDados::addControl(Control control, Widget* widget, const Twips& twips)
{
    place(widget, nameOf(control), twips);
    m_controls[indexOf(control)] = widget;
    return widget;
}

AccessKeyLabel* FrmTirarDados::addList(QWidget* frame, Control control, const QString& labelName,
    const QString& caption, const Twips& labelTwips, const Twips& listTwips)
{
    auto* label = new AccessKeyLabel(caption, frame);
    place(label, labelName, labelTwips);
    auto* combo = addControl(control, new QComboBox(frame), listTwips);
    combo->setStyle(m_style);
    const bool editable = control == Control::cmbCaras;
    if (editable)
        combo->setEditable(true);
    auto* model = new RollListModel(m_state, control, combo);
    combo->setModel(model);
    m_models[indexOf(control)] = model;
    if (editable) {
        // Inline completion would turn a typed "1" into "10"; Enter must not add items.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    // The list can hold 32767 items: sizes must come from one item, not from all of them.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(combo->view()))
        view->setUniformItemSizes(true);
    combo->setAccessibleName(label->text().remove(u'&'));
    // Typing happens in the field inside the combo box: a screen reader that lands there must
    // hear the label too, not an unnamed text entry.
    if (editable)
        combo->lineEdit()->setAccessibleName(combo->accessibleName());
    // The buddy tells the accessibility layer which label names the combo box; the label's own
    // access key still runs the window's action, not a jump to its buddy.
    label->setBuddy(combo);
    return label;
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
    operation();
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
// once, whole, when the operation that wrote it has ended.
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
