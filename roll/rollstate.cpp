#include "roll/rollstate.h"

#include "runtime/error.h"

namespace quorlin {

namespace {

    enum class Kind {
        EditableCombo,
        DropDownList,
        CheckBox,
        TextBox,
        Button,
    };

    Kind kindOf(Control control)
    {
        switch (control) {
        case Control::cmbCaras:
            return Kind::EditableCombo;
        case Control::cmbMinimo:
        case Control::cmbDificultad:
        case Control::cmbTiradas:
            return Kind::DropDownList;
        case Control::chkPersonaje:
            return Kind::CheckBox;
        case Control::txtResultado:
            return Kind::TextBox;
        case Control::cmdTirar:
        case Control::cmdSalir:
            break;
        }
        return Kind::Button;
    }

    bool hasList(Control control)
    {
        const Kind kind = kindOf(control);
        return kind == Kind::EditableCombo || kind == Kind::DropDownList;
    }

    bool hasText(Control control) { return hasList(control) || kindOf(control) == Kind::TextBox; }

    void require(bool condition)
    {
        if (!condition)
            throw Error(ErrorKind::ControlOperation);
    }

} // namespace

std::string_view controlName(Control control)
{
    static constexpr std::array<std::string_view, controlCount> names {
        "cmbCaras",
        "cmbMinimo",
        "cmbDificultad",
        "cmbTiradas",
        "chkPersonaje",
        "txtResultado",
        "cmdTirar",
        "cmdSalir",
    };
    return names[static_cast<std::size_t>(control)];
}

RollState::RollState()
{
    entry(Control::cmbCaras).items = ItemList({ u"4", u"6", u"8", u"10", u"12", u"20", u"100" });
    entry(Control::cmbTiradas).items
        = ItemList({ u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10" });
}

const RollState::Entry& RollState::entry(Control control) const
{
    return m_entries[static_cast<std::size_t>(control)];
}

RollState::Entry& RollState::entry(Control control)
{
    return m_entries[static_cast<std::size_t>(control)];
}

std::u16string RollState::text(Control control) const
{
    require(hasText(control));
    const Entry& e = entry(control);
    if (kindOf(control) == Kind::DropDownList)
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
    require(kindOf(control) == Kind::CheckBox);
    return entry(control).value;
}

void RollState::setText(Control control, std::u16string text)
{
    require(hasText(control));
    Entry& e = entry(control);
    if (kindOf(control) == Kind::DropDownList) {
        const int found = text.empty() ? -1 : e.items.indexOf(text);
        require(text.empty() || found >= 0);
        e.selected = found;
    } else {
        e.text = std::move(text);
    }
    notify(control, StateChange::Kind::Text);
}

void RollState::appendText(Control control, std::initializer_list<std::u16string_view> pieces)
{
    require(hasText(control) && kindOf(control) != Kind::DropDownList);
    std::u16string& text = entry(control).text;
    for (const auto piece : pieces)
        text.append(piece);
    notify(control, StateChange::Kind::Text);
}

void RollState::clearList(Control control)
{
    require(hasList(control));
    Entry& e = entry(control);
    e.items.clear();
    e.selected = -1;
    if (kindOf(control) == Kind::EditableCombo)
        e.text.clear();
    notify(control, StateChange::Kind::Cleared);
}

void RollState::insertItem(Control control, std::u16string_view item, int position)
{
    require(hasList(control));
    Entry& e = entry(control);
    require(position >= 0 && static_cast<std::size_t>(position) <= e.items.size());
    e.items.insert(static_cast<std::size_t>(position), item);
    if (e.selected >= position)
        ++e.selected;
    notify(control, StateChange::Kind::Inserted, position);
}

void RollState::setEnabled(Control control, bool enabled)
{
    entry(control).enabled = enabled;
    notify(control, StateChange::Kind::Enabled);
}

bool RollState::chooseItem(Control control, int index)
{
    require(hasList(control));
    Entry& e = entry(control);
    if (!e.enabled)
        return false;
    require(index >= 0 && static_cast<std::size_t>(index) < e.items.size());
    e.selected = index;
    if (kindOf(control) == Kind::EditableCombo)
        e.text = std::u16string(e.items[static_cast<std::size_t>(index)]);
    raise(control, Event::Click);
    return true;
}

bool RollState::editField(Control control, std::u16string text)
{
    require(kindOf(control) == Kind::EditableCombo);
    Entry& e = entry(control);
    if (!e.enabled)
        return false;
    e.text = std::move(text);
    e.selected = -1;
    raise(control, Event::Change);
    return true;
}

bool RollState::setValue(Control control, int value)
{
    require(kindOf(control) == Kind::CheckBox && value >= 0 && value <= 2);
    Entry& e = entry(control);
    if (!e.enabled)
        return false;
    e.value = value;
    raise(control, Event::Click);
    return true;
}

bool RollState::editText(Control control, std::u16string text)
{
    require(kindOf(control) == Kind::TextBox);
    Entry& e = entry(control);
    if (!e.enabled)
        return false;
    e.text = std::move(text);
    return true;
}

bool RollState::press(Control control)
{
    require(kindOf(control) == Kind::Button);
    if (!entry(control).enabled)
        return false;
    raise(control, Event::Click);
    return true;
}

void RollState::notify(Control control, StateChange::Kind kind, int position)
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
