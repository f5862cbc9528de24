// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/listbinding.h"

#include "window/rolllistmodel.h"
#include "window/singlelinevalidator.h"
#include "window/useroperations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>

namespace quorlin {

ListBinding::ListBinding(Control control, QComboBox& combo, UserOperations& operations)
    : Binding(control, combo, operations)
    , m_combo(combo)
    , m_model(new RollListModel(state(), control, &combo))
{
    m_combo.setModel(m_model);
    if (m_combo.isEditable()) {
        // Inline completion would turn a typed "1" into "10"; Enter must not add items.
        m_combo.setCompleter(nullptr);
        m_combo.setInsertPolicy(QComboBox::NoInsert);
        m_combo.setValidator(new SingleLineValidator(&m_combo));
    }
    // The list can hold 32767 items: sizes must come from one item, not from all of them.
    m_combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(m_combo.view()))
        view->setUniformItemSizes(true);
    showText();

    operations.whenEnded([this] { showPendingRows(); });
    connect(&m_combo, &QComboBox::activated, this, [this](int index) {
        this->operations().perform([&] { state().chooseItem(this->control(), index); });
    });
    if (m_combo.isEditable()) {
        connect(m_combo.lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
            this->operations().perform(
                [&] { state().editField(this->control(), text.toStdU16String()); });
        });
    }
}

void ListBinding::show(const StateChange& change)
{
    switch (change.kind) {
    case ChangeKind::Text:
        showPendingRows();
        showText();
        break;
    case ChangeKind::Cleared:
        m_model->cleared();
        showText();
        break;
    case ChangeKind::Inserted:
        m_model->rowInserted(change.position);
        // Outside a user operation nobody will tell the views later: the row shows at once.
        if (!operations().running())
            showPendingRows();
        break;
    case ChangeKind::Enabled:
        break;
    }
}

void ListBinding::showPendingRows()
{
    if (m_model->showPendingRows())
        showSelection();
}

void ListBinding::showText()
{
    showSelection();
    if (m_combo.isEditable()) {
        const QString text = QString::fromStdU16String(state().text(control()));
        if (m_combo.currentText() != text)
            m_combo.setEditText(text);
    }
}

// QComboBox selects the first row of a list that gets its first item; RollState leaves it
// unselected. Setting the index programmatically emits no activated(), so no event results.
void ListBinding::showSelection()
{
    const int selected = state().selectedIndex(control());
    if (m_combo.currentIndex() == selected)
        return;
    const QString text = m_combo.currentText();
    m_combo.setCurrentIndex(selected);
    if (m_combo.isEditable() && selected < 0)
        m_combo.setEditText(text);
}

} // namespace quorlin
