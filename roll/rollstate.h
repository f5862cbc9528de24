// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roll/itemlist.h"

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlin {

/// The window's controls that the logic touches, by their names in the window.
enum class Control {
    cmbCaras,
    cmbMinimo,
    cmbDificultad,
    cmbTiradas,
    chkPersonaje,
    txtResultado,
    cmdTirar,
    cmdSalir,
};

inline constexpr std::size_t controlCount = 8;

/// The control's place in a per-control array, 0 .. controlCount - 1, in the enum's order.
constexpr std::size_t indexOf(Control control) { return static_cast<std::size_t>(control); }

static_assert(indexOf(Control::cmdSalir) + 1 == controlCount, "controlCount must follow Control");

/// Every control, in the enum's order.
inline constexpr auto allControls = [] {
    std::array<Control, controlCount> controls {};
    for (std::size_t i = 0; i < controlCount; ++i)
        controls[i] = static_cast<Control>(i);
    return controls;
}();

/// What a control is, which decides the operations it has.
enum class ControlKind {
    EditableCombo,
    DropDownList,
    CheckBox,
    TextBox,
    Button,
};

constexpr ControlKind controlKind(Control control)
{
    switch (control) {
    case Control::cmbCaras:
        return ControlKind::EditableCombo;
    case Control::cmbMinimo:
    case Control::cmbDificultad:
    case Control::cmbTiradas:
        return ControlKind::DropDownList;
    case Control::chkPersonaje:
        return ControlKind::CheckBox;
    case Control::txtResultado:
        return ControlKind::TextBox;
    case Control::cmdTirar:
    case Control::cmdSalir:
        break;
    }
    return ControlKind::Button;
}

/// True for the four combo boxes, the controls that hold a list of items.
bool hasList(Control control);

/// True for the controls that hold a text: the combo boxes and the result box.
bool hasText(Control control);

/// The control's name, as the window's object names use it ("cmbCaras").
std::string_view controlName(Control control);

/// The events a user operation raises.
enum class Event {
    Click,
    Change,
};

/// The kinds of change a program operation makes.
enum class ChangeKind {
    Text, ///< The text was written (for a drop-down list: its selection).
    Cleared, ///< The list lost every item and its selection.
    Inserted, ///< One item was inserted at position.
    Enabled, ///< The enabled flag was written.
};

/// What a program operation changed, for whoever mirrors the state on screen.
struct StateChange
{
    Control control = Control::cmbCaras;
    ChangeKind kind = ChangeKind::Text;
    int position = -1;
};

/// The one store of the program's state: one entry per control, in its initial state.
///
/// Program operations (setText, clearList, insertItem, setEnabled) raise no event; each tells
/// the observer before it returns. User operations change the entry first and then hand the
/// control's event to the event sink; they do not tell the observer, since the control the user
/// worked already shows the change. A user operation on a disabled entry is refused: it
/// changes nothing, raises nothing and returns false.
///
/// Operations a control does not have, a position outside its list, or a text that no item of
/// a drop-down list has, raise ErrorKind::ControlOperation.
class RollState
{
public:
    using Observer = std::function<void(const StateChange&)>;
    using EventSink = std::function<void(Control, Event)>;

    RollState();

    void setObserver(Observer observer) { m_observer = std::move(observer); }
    void setEventSink(EventSink sink) { m_eventSink = std::move(sink); }

    /// The entry's text: a drop-down list's selected item, or "" while none is selected.
    std::u16string text(Control control) const;
    const ItemList& items(Control control) const;
    /// The selected item of a list, or -1.
    int selectedIndex(Control control) const;
    bool isEnabled(Control control) const;
    /// The check box's value: 0 off, 1 on, 2 grey.
    int value(Control control) const;

    /// For a drop-down list, selects the item with exactly this text ("" selects none).
    void setText(Control control, std::u16string text);
    /// Joins the pieces behind the text of a text box or the editable combo's field, from left
    /// to right: the same as writing back the text read with the pieces behind it, without
    /// copying what is already there.
    void append(Control control, std::initializer_list<std::u16string_view> pieces);
    void clearList(Control control);
    void insertItem(Control control, std::u16string_view item, int position);
    void setEnabled(Control control, bool enabled);

    /// Picks item index of a list; raises Click.
    bool chooseItem(Control control, int index);
    /// Replaces what the editable field of cmbCaras holds; raises Change.
    bool editField(Control control, std::u16string text);
    /// Sets the check box to 0, 1 or 2; raises Click.
    bool setValue(Control control, int value);
    /// Replaces the result box's text; raises nothing.
    bool editText(Control control, std::u16string text);
    /// Presses a command button; raises Click.
    bool press(Control control);

private:
    struct Entry
    {
        std::u16string text;
        ItemList items;
        int selected = -1;
        int value = 0;
        bool enabled = true;
    };

    const Entry& entry(Control control) const;
    Entry& entry(Control control);
    template <typename Change>
    bool operate(Control control, bool allowed, std::optional<Event> event, Change&& change);
    void notify(Control control, ChangeKind kind, int position = -1);
    void raise(Control control, Event event);

    std::array<Entry, controlCount> m_entries;
    Observer m_observer;
    EventSink m_eventSink;
};

} // namespace quorlin
