#include "window/frmtirardados.h"

#include "runtime/host.h"
#include "window/accesskeylabel.h"
#include "window/icon.h"
#include "window/program.h"
#include "window/resultbox.h"
#include "window/rolllistmodel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalBlocker>

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

    // 15 twips make one logical pixel (1440 to the logical inch, 96 pixels to it). Each coordinate
    // is rounded to the nearest whole pixel on its own; no whole number of twips lies halfway
    // between two pixels, 15 being odd.
    constexpr int pixelsOfTwips(int twips) { return (twips + 7) / 15; }

    void place(QWidget* widget, const QString& name, Twips twips)
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

    // A drop-down list opens as a list below its field, as tall as ten items. Some styles open a
    // menu over the field instead, as tall as all the items and as wide as the widest, which
    // measures every one of up to 32767 items on each opening.
    class DropDownStyle final : public QProxyStyle
    {
    public:
        using QProxyStyle::QProxyStyle;

        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
            QStyleHintReturn* returnData) const override
        {
            if (hint == QStyle::SH_ComboBox_Popup)
                return 0;
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    };

} // namespace

FrmTirarDados::FrmTirarDados(Program& program, Host& host, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
    , m_host(host)
{
    setObjectName(u"frm_TirarDados"_s);
    setWindowTitle(u"Quorlin"_s);
    setWindowIcon(quorlinIcon());
    setFont(designFont());
    setFixedSize(pixelsOfTwips(2688), pixelsOfTwips(3876));
    m_dropDownStyle = new DropDownStyle;
    m_dropDownStyle->setParent(this);

    auto* frame = new QGroupBox(u"Configuración del Dado"_s, this);
    place(frame, u"FrameDatos"_s, { 0, 0, 2676, 2076 });
    frame->setFocusPolicy(Qt::NoFocus);

    auto* label1 = new AccessKeyLabel(u"&Caras del Dado"_s, frame);
    place(label1, u"Label1"_s, { 144, 360, 1188, 288 });
    m_cmbCaras = makeCombo(Control::cmbCaras, label1);
    place(m_cmbCaras, nameOf(Control::cmbCaras), { 1704, 315, 690, 288 });

    auto* label2 = new AccessKeyLabel(u"Tirada &Mínima"_s, frame);
    place(label2, u"Label2"_s, { 144, 720, 1188, 288 });
    QComboBox* cmbMinimo = makeCombo(Control::cmbMinimo, label2);
    place(cmbMinimo, nameOf(Control::cmbMinimo), { 1704, 675, 690, 288 });

    auto* label3 = new AccessKeyLabel(u"&Dificultad"_s, frame);
    place(label3, u"Label3"_s, { 180, 1116, 1188, 288 });
    QComboBox* cmbDificultad = makeCombo(Control::cmbDificultad, label3);
    place(cmbDificultad, nameOf(Control::cmbDificultad), { 1692, 1044, 690, 288 });

    auto* label4 = new AccessKeyLabel(u"&Numero tiradas"_s, frame);
    place(label4, u"Label4"_s, { 180, 1476, 1188, 216 });
    QComboBox* cmbTiradas = makeCombo(Control::cmbTiradas, label4);
    place(cmbTiradas, nameOf(Control::cmbTiradas), { 1692, 1404, 690, 288 });

    m_chkPersonaje = new QCheckBox(u"Generar personaje"_s, frame);
    place(m_chkPersonaje, nameOf(Control::chkPersonaje), { 180, 1800, 1956, 192 });

    m_txtResultado = new ResultBox(this);
    place(m_txtResultado, nameOf(Control::txtResultado), { 0, 2088, 2676, 1416 });
    m_txtResultado->setAccessibleName(u"Resultado de la tirada"_s);
    m_txtResultado->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtResultado->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_txtResultado->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtResultado->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box rather than typing a tab, so that the keyboard alone can move on.
    m_txtResultado->setTabChangesFocus(true);

    m_cmdTirar = new QPushButton(u"Tirar &Dados"_s, this);
    place(m_cmdTirar, nameOf(Control::cmdTirar), { 0, 3528, 1320, 330 });
    // Alt+D is answered by Label3's access key, which presses this button while it is enabled.
    m_cmdTirar->setShortcut(QKeySequence());
    auto* cmdSalir = new QPushButton(u"&Salir"_s, this);
    place(cmdSalir, nameOf(Control::cmdSalir), { 1332, 3528, 1356, 330 });
    for (QPushButton* button : { m_cmdTirar, cmdSalir }) {
        // Outside a dialog, auto-default only lets Enter press the button that has the focus;
        // neither button is the window's default or cancel button.
        button->setAutoDefault(true);
        button->setDefault(false);
    }

    m_controls[static_cast<std::size_t>(Control::cmbCaras)] = m_cmbCaras;
    m_controls[static_cast<std::size_t>(Control::cmbMinimo)] = cmbMinimo;
    m_controls[static_cast<std::size_t>(Control::cmbDificultad)] = cmbDificultad;
    m_controls[static_cast<std::size_t>(Control::cmbTiradas)] = cmbTiradas;
    m_controls[static_cast<std::size_t>(Control::chkPersonaje)] = m_chkPersonaje;
    m_controls[static_cast<std::size_t>(Control::txtResultado)] = m_txtResultado;
    m_controls[static_cast<std::size_t>(Control::cmdTirar)] = m_cmdTirar;
    m_controls[static_cast<std::size_t>(Control::cmdSalir)] = cmdSalir;

    m_tabOrder = { frame, m_cmbCaras, label1, label2, cmbMinimo, m_cmdTirar, m_txtResultado, label3,
        cmbDificultad, cmdSalir, m_chkPersonaje, cmbTiradas, label4 };
    arrangeTabOrder();

    for (AccessKeyLabel* label : { label1, label2, label4 })
        label->setAction([this, label] { focusAfter(label); });
    // Alt+D belongs to "&Dificultad" and "Tirar &Dados". While the button is enabled, the key
    // presses it; while it is disabled (before the first die is chosen) its key is dead and the
    // label's takes over. The press is at once: a delayed click would land on whatever the next
    // keystrokes opened in between, an error report included.
    label3->setAction([this, label3] {
        if (m_cmdTirar->isEnabled())
            m_cmdTirar->click();
        else
            focusAfter(label3);
    });

    for (std::size_t i = 0; i < controlCount; ++i) {
        const auto control = static_cast<Control>(i);
        m_controls[i]->setEnabled(m_program.state().isEnabled(control));
        if (control != Control::chkPersonaje && control != Control::cmdTirar
            && control != Control::cmdSalir)
            showText(control);
    }
    m_program.state().setObserver([this](const StateChange& change) { apply(change); });
    bindUserOperations();
    m_cmbCaras->setFocus(Qt::OtherFocusReason);
}

FrmTirarDados::~FrmTirarDados() { m_program.state().setObserver({}); }

QFont FrmTirarDados::designFont() { return QFont(u"DejaVu Sans Condensed"_s, 8); }

void FrmTirarDados::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_host.endProgram();
}

QComboBox* FrmTirarDados::makeCombo(Control control, AccessKeyLabel* label)
{
    auto* combo = new QComboBox(label->parentWidget());
    combo->setStyle(m_dropDownStyle);
    const bool editable = control == Control::cmbCaras;
    if (editable)
        combo->setEditable(true);
    auto* model = new RollListModel(m_program.state(), control, combo);
    combo->setModel(model);
    m_models[static_cast<std::size_t>(control)] = model;
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
    return combo;
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
    RollState& state = m_program.state();
    for (Control control :
        { Control::cmbCaras, Control::cmbMinimo, Control::cmbDificultad, Control::cmbTiradas }) {
        connect(combo(control), &QComboBox::activated, this, [this, &state, control](int index) {
            state.chooseItem(control, index);
            showPendingRows();
        });
    }
    connect(
        m_cmbCaras->lineEdit(), &QLineEdit::textEdited, this, [this, &state](const QString& text) {
            state.editField(Control::cmbCaras, text.toStdU16String());
            showPendingRows();
        });
    connect(m_chkPersonaje, &QCheckBox::clicked, this, [this, &state](bool checked) {
        state.setValue(Control::chkPersonaje, checked ? 1 : 0);
        showPendingRows();
    });
    connect(m_txtResultado, &QPlainTextEdit::textChanged, this, [this, &state] {
        state.editText(Control::txtResultado, storedText(m_txtResultado->toPlainText()));
    });
    for (Control control : { Control::cmdTirar, Control::cmdSalir }) {
        connect(static_cast<QPushButton*>(widget(control)), &QPushButton::clicked, this,
            [this, &state, control] {
                state.press(control);
                showPendingRows();
            });
    }
}

void FrmTirarDados::apply(const StateChange& change)
{
    switch (change.kind) {
    case StateChange::Kind::Text:
        showPendingRows(change.control);
        showText(change.control);
        break;
    case StateChange::Kind::Cleared:
        model(change.control)->cleared();
        showText(change.control);
        break;
    case StateChange::Kind::Inserted:
        model(change.control)->rowInserted(change.position);
        // A program that drives RollState without a user operation still gets its views told,
        // once the event loop runs again.
        if (!m_rowsPending) {
            m_rowsPending = true;
            QMetaObject::invokeMethod(
                this, [this] { showPendingRows(); }, Qt::QueuedConnection);
        }
        break;
    case StateChange::Kind::Enabled:
        widget(change.control)->setEnabled(m_program.state().isEnabled(change.control));
        break;
    }
}

void FrmTirarDados::showPendingRows()
{
    m_rowsPending = false;
    for (Control control :
        { Control::cmbCaras, Control::cmbMinimo, Control::cmbDificultad, Control::cmbTiradas })
        showPendingRows(control);
}

void FrmTirarDados::showPendingRows(Control control)
{
    if (RollListModel* list = model(control); list && list->showPendingRows())
        showSelection(control);
}

void FrmTirarDados::showText(Control control)
{
    const RollState& state = m_program.state();
    if (control == Control::txtResultado) {
        const QSignalBlocker blocker(m_txtResultado);
        m_txtResultado->setPlainText(shownText(state.text(control)));
        return;
    }
    showSelection(control);
    if (control == Control::cmbCaras) {
        const QString text = QString::fromStdU16String(state.text(control));
        if (m_cmbCaras->currentText() != text)
            m_cmbCaras->setEditText(text);
    }
}

// QComboBox selects the first row of a list that gets its first item; RollState leaves it
// unselected. Setting the index programmatically emits no activated(), so no event results.
void FrmTirarDados::showSelection(Control control)
{
    QComboBox* box = combo(control);
    const int selected = m_program.state().selectedIndex(control);
    if (box->currentIndex() == selected)
        return;
    const QString text = box->currentText();
    box->setCurrentIndex(selected);
    if (box->isEditable() && selected < 0)
        box->setEditText(text);
}

QWidget* FrmTirarDados::widget(Control control) const
{
    return m_controls[static_cast<std::size_t>(control)];
}

QComboBox* FrmTirarDados::combo(Control control) const
{
    return static_cast<QComboBox*>(widget(control));
}

RollListModel* FrmTirarDados::model(Control control) const
{
    return m_models[static_cast<std::size_t>(control)];
}

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
