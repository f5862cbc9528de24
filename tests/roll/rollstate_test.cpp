// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

TEST(RollState, DropDownTextIsItsSelectedItem)
{
    RollState state;
    EXPECT_EQ(state.text(Control::cmbTiradas), u"");
    state.setText(Control::cmbTiradas, u"1");
    EXPECT_EQ(state.selectedIndex(Control::cmbTiradas), 0);
    EXPECT_EQ(state.text(Control::cmbTiradas), u"1");
    state.setText(Control::cmbTiradas, u"10");
    EXPECT_EQ(state.selectedIndex(Control::cmbTiradas), 9);
}

TEST(RollState, ClearedListHasNoItemsAndNoText)
{
    RollState state;
    select(state, Control::cmbMinimo, u"3");
    state.clearList(Control::cmbMinimo);
    EXPECT_TRUE(state.items(Control::cmbMinimo).empty());
    EXPECT_EQ(state.text(Control::cmbMinimo), u"");
}

TEST(RollState, InsertingBeforeTheSelectionKeepsItsText)
{
    RollState state;
    state.insertItem(Control::cmbDificultad, u"5", 0);
    state.setText(Control::cmbDificultad, u"5");
    state.insertItem(Control::cmbDificultad, u"4", 0);
    EXPECT_EQ(state.text(Control::cmbDificultad), u"5");
    EXPECT_EQ(
        itemsOf(state.items(Control::cmbDificultad)), (std::vector<std::u16string> { u"4", u"5" }));
}

struct MisuseCase : NamedCase
{
    std::function<void(RollState&)> operation;
};

class RollStateMisuse : public ::testing::TestWithParam<MisuseCase>
{
};

TEST_P(RollStateMisuse, RaisesControlOperationAndChangesNothing)
{
    RollState state;
    EXPECT_EQ(errorKindOf([&] { GetParam().operation(state); }), ErrorKind::ControlOperation);
    EXPECT_EQ(state.items(Control::cmbTiradas).size(), 10u);
    EXPECT_EQ(state.text(Control::cmbTiradas), u"");
    EXPECT_TRUE(state.items(Control::cmbMinimo).empty());
}

INSTANTIATE_TEST_SUITE_P(Operations, RollStateMisuse,
    ::testing::Values(MisuseCase { { "TextNoItemHas" },
                          [](RollState& s) { s.setText(Control::cmbTiradas, u"11"); } },
        MisuseCase { { "InsertPastTheEnd" },
            [](RollState& s) { s.insertItem(Control::cmbMinimo, u"1", 1); } },
        MisuseCase { { "InsertAtNegative" },
            [](RollState& s) { s.insertItem(Control::cmbMinimo, u"1", -1); } },
        MisuseCase { { "AppendToADropDownList" },
            [](RollState& s) { s.append(Control::cmbTiradas, { u"1" }); } },
        MisuseCase { { "ListOfAButton" }, [](RollState& s) { s.clearList(Control::cmdTirar); } },
        MisuseCase { { "TextOfTheCheckBox" }, [](RollState& s) { s.text(Control::chkPersonaje); } },
        MisuseCase { { "ValueOfAList" }, [](RollState& s) { s.value(Control::cmbTiradas); } },
        MisuseCase {
            { "CheckBoxValueThree" }, [](RollState& s) { s.setValue(Control::chkPersonaje, 3); } },
        MisuseCase {
            { "ChooseMissingItem" }, [](RollState& s) { s.chooseItem(Control::cmbTiradas, 10); } },
        MisuseCase { { "PressAList" }, [](RollState& s) { s.press(Control::cmbTiradas); } }),
    caseName);

TEST(RollState, ObserverHearsProgramOperationsOnly)
{
    RollState state;
    std::vector<StateChange> changes;
    std::vector<std::pair<Control, Event>> events;
    state.setObserver([&](const StateChange& change) { changes.push_back(change); });
    state.setEventSink([&](Control control, Event event) { events.emplace_back(control, event); });

    state.insertItem(Control::cmbMinimo, u"1", 0);
    state.setEnabled(Control::cmdTirar, false);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].control, Control::cmbMinimo);
    EXPECT_EQ(changes[0].kind, ChangeKind::Inserted);
    EXPECT_EQ(changes[0].position, 0);
    EXPECT_EQ(changes[1].kind, ChangeKind::Enabled);
    EXPECT_TRUE(events.empty());

    EXPECT_TRUE(state.chooseItem(Control::cmbCaras, 5));
    EXPECT_EQ(state.text(Control::cmbCaras), u"20");
    EXPECT_EQ(changes.size(), 2u);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], std::make_pair(Control::cmbCaras, Event::Click));
}

TEST(RollState, UserOperationsOnDisabledEntriesAreRefused)
{
    RollState state;
    int events = 0;
    state.setEventSink([&](Control, Event) { ++events; });
    for (Control control : { Control::cmbCaras, Control::cmbTiradas, Control::chkPersonaje,
             Control::txtResultado, Control::cmdTirar })
        state.setEnabled(control, false);

    EXPECT_FALSE(state.chooseItem(Control::cmbTiradas, 2));
    EXPECT_FALSE(state.editField(Control::cmbCaras, u"6"));
    EXPECT_FALSE(state.setValue(Control::chkPersonaje, 1));
    EXPECT_FALSE(state.editText(Control::txtResultado, u"nota"));
    EXPECT_FALSE(state.press(Control::cmdTirar));
    EXPECT_EQ(events, 0);
    EXPECT_EQ(state.text(Control::cmbTiradas), u"");
    EXPECT_EQ(state.text(Control::cmbCaras), u"");
    EXPECT_EQ(state.value(Control::chkPersonaje), 0);
    EXPECT_EQ(state.text(Control::txtResultado), u"");
}

} // namespace
