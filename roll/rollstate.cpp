// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roll/rollstate.h"

#include "runtime/error.h"

namespace quorlin {

namespace {

    void require(bool condition)
    {
        if (!condition)
            throw Error(ErrorKind::ControlOperation);
    }

} // namespace

bool hasList(Control control)
{
    const ControlKind kind = controlKind(control);
    return kind == ControlKind::EditableCombo || kind == ControlKind::DropDownList;
}

bool hasText(Control control)
{
    return hasList(control) || controlKind(control) == ControlKind::TextBox;
}

std::string_view controlName(Control control)
{
    static constexpr auto names = std::to_array<std::string_view>({
        "cmbCaras",
        "cmbMinimo",
        "cmbDificultad",
        "cmbTiradas",
        "chkPersonaje",
        "txtResultado",
        "cmdTirar",
        "cmdSalir",
    });
    static_assert(names.size() == controlCount, "one name for each control");
    return names[indexOf(control)];
}

RollState::RollState()
{
    entry(Control::cmbCaras).items = ItemList({ u"4", u"6", u"8", u"10", u"12", u"20", u"100" });
    entry(Control::cmbTiradas).items
        = ItemList({ u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10" });
}

const RollState::Entry& RollState::entry(Control control) const
{
    return m_entries[indexOf(control)];
}

RollState::Entry& RollState::entry(Control control) { return m_entries[indexOf(control)]; }

std::u16string RollState::text(Control control) const
{
    require(hasText(control));
    const Entry& e = entry(control);
    if (controlKind(control) == ControlKind::DropDownList)
        return e.selected < 0 ? std::u16string()
                              : std::u16string(e.items[static_cast<std::size_t>(e.selected)]);
    return e.text;
}

const ItemList& RollState::items(Control control) const
{
    require(hasList(control));
    return entry(control).items;
}

int RollState::selectedIndex(Control control) const
{
    require(hasList(control));
    return entry(control).selected;
}

bool RollState::isEnabled(Control control) const { return entry(control).enabled; }

int RollState::value(Control control) const
{
    require(controlKind(control) == ControlKind::CheckBox);
    return entry(control).value;
}

void RollState::setText(Control control, std::u16string text)
{
    require(hasText(control));
    Entry& e = entry(control);
    if (controlKind(control) == ControlKind::DropDownList) {
        const int found = text.empty() ? -1 : e.items.indexOf(text);
        require(text.empty() || found >= 0);
        e.selected = found;
    } else {
        e.text = std::move(text);
    }
    notify(control, ChangeKind::Text);
}

void RollState::append(Control control, std::initializer_list<std::u16string_view> pieces)
{
    require(hasText(control) && controlKind(control) != ControlKind::DropDownList);
    std::u16string& text = entry(control).text;
    for (const auto piece : pieces)
        text.append(piece);
    notify(control, ChangeKind::Text);
}

void RollState::clearList(Control control)
{
    require(hasList(control));
    Entry& e = entry(control);
    e.items.clear();
    e.selected = -1;
    if (controlKind(control) == ControlKind::EditableCombo)
        e.text.clear();
    notify(control, ChangeKind::Cleared);
}

void RollState::insertItem(Control control, std::u16string_view item, int position)
{
    require(hasList(control));
    Entry& e = entry(control);
    require(position >= 0 && static_cast<std::size_t>(position) <= e.items.size());
    e.items.insert(static_cast<std::size_t>(position), item);
    if (e.selected >= position)
        ++e.selected;
    notify(control, ChangeKind::Inserted, position);
}

void RollState::setEnabled(Control control, bool enabled)
{
    entry(control).enabled = enabled;
    notify(control, ChangeKind::Enabled);
}

// Every user operation: misuse raises, a disabled control ignores it, otherwise the entry
// changes first and only then is the event raised.
template <typename Change>
bool RollState::operate(Control control, bool allowed, std::optional<Event> event, Change&& change)
{
    require(allowed);
    Entry& e = entry(control);
    if (!e.enabled)
        return false;
    change(e);
    if (event)
        raise(control, *event);
    return true;
}

bool RollState::chooseItem(Control control, int index)
{
    return operate(control, hasList(control), Event::Click, [&](Entry& e) {
        require(index >= 0 && static_cast<std::size_t>(index) < e.items.size());
        e.selected = index;
        if (controlKind(control) == ControlKind::EditableCombo)
            e.text = std::u16string(e.items[static_cast<std::size_t>(index)]);
    });
}

bool RollState::editField(Control control, std::u16string text)
{
    return operate(
        control, controlKind(control) == ControlKind::EditableCombo, Event::Change, [&](Entry& e) {
            e.text = std::move(text);
            e.selected = -1;
        });
}

bool RollState::setValue(Control control, int value)
{
    const bool allowed = controlKind(control) == ControlKind::CheckBox && value >= 0 && value <= 2;
    return operate(control, allowed, Event::Click, [&](Entry& e) { e.value = value; });
}

bool RollState::editText(Control control, std::u16string text)
{
    return operate(control, controlKind(control) == ControlKind::TextBox, std::nullopt,
        [&](Entry& e) { e.text = std::move(text); });
}

bool RollState::press(Control control)
{
    return operate(
        control, controlKind(control) == ControlKind::Button, Event::Click, [](Entry&) {});
}

void RollState::notify(Control control, ChangeKind kind, int position)
{
    if (m_observer)
        m_observer(StateChange { control, kind, position });
}

void RollState::raise(Control control, Event event)
{
    if (m_eventSink)
        m_eventSink(control, event);
}

} // namespace quorlin
