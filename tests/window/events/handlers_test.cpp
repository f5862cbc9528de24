// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"

#include "runtime/numbers.h"
#include "window/events/program.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

std::vector<std::u16string> oneTo(int last)
{
    std::vector<std::u16string> items;
    for (int i = 1; i <= last; ++i)
        items.push_back(textOfInteger(static_cast<std::int16_t>(i)));
    return items;
}

const std::vector<std::u16string> dice { u"4", u"6", u"8", u"10", u"12", u"20", u"100" };

struct EntryCase
{
    Control control;
    std::u16string text;
    std::vector<std::u16string> items;
    bool enabled;
};

class ProgramTest : public ::testing::Test
{
protected:
    ScriptedRandom random = scriptedDraws({ 7, 15, 12 }, 20);
    RecordingHost host;
    Program program { random, host };
    RollState& state = program.state();

    void expectEntries(const std::vector<EntryCase>& expected)
    {
        for (const auto& e : expected) {
            SCOPED_TRACE(controlName(e.control));
            if (hasText(e.control)) {
                EXPECT_EQ(state.text(e.control), e.text);
            }
            if (hasList(e.control)) {
                EXPECT_EQ(itemsOf(state.items(e.control)), e.items);
                if (e.control != Control::cmbCaras) {
                    EXPECT_EQ(state.selectedIndex(e.control), e.text.empty() ? -1 : 0);
                }
            }
            EXPECT_EQ(state.isEnabled(e.control), e.enabled);
        }
    }

    void chooseFaces(const std::u16string& faces)
    {
        ASSERT_TRUE(
            state.chooseItem(Control::cmbCaras, state.items(Control::cmbCaras).indexOf(faces)));
    }

    void type(std::u16string_view keys)
    {
        std::u16string field = state.text(Control::cmbCaras);
        for (char16_t key : keys) {
            field.push_back(key);
            ASSERT_TRUE(state.editField(Control::cmbCaras, field));
        }
    }
};

TEST_F(ProgramTest, InitialStateBeforeLoad)
{
    expectEntries({ { Control::cmbCaras, u"", dice, true }, { Control::cmbMinimo, u"", {}, true },
        { Control::cmbDificultad, u"", {}, true }, { Control::cmbTiradas, u"", oneTo(10), true },
        { Control::txtResultado, u"", {}, true }, { Control::chkPersonaje, u"", {}, true },
        { Control::cmdTirar, u"", {}, true }, { Control::cmdSalir, u"", {}, true } });
    EXPECT_EQ(state.value(Control::chkPersonaje), 0);
}

TEST_F(ProgramTest, LoadTimeState)
{
    program.start();
    expectEntries({ { Control::cmbCaras, u"", dice, true }, { Control::cmbMinimo, u"", {}, false },
        { Control::cmbDificultad, u"", {}, true }, { Control::cmbTiradas, u"1", oneTo(10), true },
        { Control::txtResultado, u"", {}, true }, { Control::chkPersonaje, u"", {}, true },
        { Control::cmdTirar, u"", {}, false }, { Control::cmdSalir, u"", {}, true } });
    EXPECT_FALSE(state.press(Control::cmdTirar));
    EXPECT_FALSE(state.chooseItem(Control::cmbMinimo, 0));
}

TEST_F(ProgramTest, TypicalUse)
{
    program.start();
    chooseFaces(u"20");
    ASSERT_TRUE(state.chooseItem(Control::cmbDificultad, 11));
    ASSERT_TRUE(state.chooseItem(Control::cmbTiradas, 2));
    ASSERT_TRUE(state.press(Control::cmdTirar));
    EXPECT_EQ(state.text(Control::txtResultado),
        u"Dado 1  Resultado = 07  ¡Fallo!\r\nDado 2  Resultado = 15  ¡Exito!\r\n"
        u"Dado 3  Resultado = 12  ¡Exito!\r\n");
    EXPECT_TRUE(host.reported.empty());
}

TEST_F(ProgramTest, ChoosingAnotherDieRebuildsBothListsWithoutSelection)
{
    program.start();
    chooseFaces(u"6");
    chooseFaces(u"4");
    expectEntries({ { Control::cmbMinimo, u"", oneTo(4), true },
        { Control::cmbDificultad, u"", oneTo(4), true }, { Control::cmdTirar, u"", {}, true } });

    chooseFaces(u"20");
    ASSERT_TRUE(state.chooseItem(Control::cmbDificultad, 14));
    ASSERT_EQ(state.text(Control::cmbDificultad), u"15");
    chooseFaces(u"12");
    expectEntries({ { Control::cmbMinimo, u"", oneTo(12), true },
        { Control::cmbDificultad, u"", oneTo(12), true } });
}

TEST_F(ProgramTest, TypingRebuildsOnEveryKeystroke)
{
    program.start();
    std::vector<std::size_t> sizesAtEachRebuild;
    state.setObserver([&](const StateChange& change) {
        if (change.control == Control::cmbMinimo && change.kind == ChangeKind::Cleared)
            sizesAtEachRebuild.push_back(state.items(Control::cmbDificultad).size());
    });
    type(u"12");
    EXPECT_EQ(sizesAtEachRebuild, (std::vector<std::size_t> { 0, 1 }));
    expectEntries({ { Control::cmbMinimo, u"", oneTo(12), true },
        { Control::cmbDificultad, u"", oneTo(12), true } });
}

TEST_F(ProgramTest, EmptyingTheFieldKeepsTheListsThenRollingReportsTypeMismatch)
{
    program.start();
    type(u"8");
    ASSERT_TRUE(state.editField(Control::cmbCaras, u""));
    expectEntries(
        { { Control::cmbMinimo, u"", oneTo(8), true }, { Control::cmdTirar, u"", {}, true } });
    ASSERT_TRUE(state.press(Control::cmdTirar));
    EXPECT_EQ(host.reported, (std::vector { ErrorKind::TypeMismatch }));
    EXPECT_EQ(state.text(Control::txtResultado), u"");
}

struct TypedFacesCase : NamedCase
{
    std::u16string keys;
    std::vector<ErrorKind> reportedWhileTyping;
    std::vector<ErrorKind> reportedByRoll;
};

class TypedFaces : public ProgramTest, public ::testing::WithParamInterface<TypedFacesCase>
{
};

// An error is reported and the program goes on: later events are still handled.
TEST_P(TypedFaces, ReportErrorsAndGoOn)
{
    const auto& c = GetParam();
    program.start();
    state.setText(Control::txtResultado, u"informe");
    type(c.keys);
    EXPECT_EQ(host.reported, c.reportedWhileTyping);
    EXPECT_EQ(state.text(Control::txtResultado), u"informe");
    host.reported.clear();
    state.press(Control::cmdTirar);
    EXPECT_EQ(host.reported, c.reportedByRoll);
    EXPECT_EQ(host.endRequests, 0);
    chooseFaces(u"6");
    EXPECT_EQ(itemsOf(state.items(Control::cmbMinimo)), oneTo(6));
}

INSTANTIATE_TEST_SUITE_P(Keys, TypedFaces,
    // The error stops the rebuild before it enables the roll: the button stays disabled.
    ::testing::Values(TypedFacesCase { { "Letter" }, u"x", { ErrorKind::TypeMismatch }, {} },
        TypedFacesCase {
            { "NegativeNumber" }, u"-5", { ErrorKind::TypeMismatch }, { ErrorKind::NoFaces } },
        TypedFacesCase { { "Zero" }, u"0", {}, { ErrorKind::NoFaces } },
        TypedFacesCase {
            { "BeyondSixteenBits" }, u"40000", { ErrorKind::Overflow }, { ErrorKind::Overflow } }),
    caseName);

TEST_F(ProgramTest, ZeroFacesEmptiesTheListsButEnablesTheRoll)
{
    program.start();
    chooseFaces(u"6");
    type(u"0");
    EXPECT_EQ(state.text(Control::cmbCaras), u"60");
    ASSERT_TRUE(state.editField(Control::cmbCaras, u"0"));
    expectEntries({ { Control::cmbMinimo, u"", {}, true },
        { Control::cmbDificultad, u"", {}, true }, { Control::cmdTirar, u"", {}, true } });
}

TEST_F(ProgramTest, MisusedUserOperationIsReportedAndTheProgramGoesOn)
{
    program.start();
    program.perform([&] { state.chooseItem(Control::cmbTiradas, 10); });
    EXPECT_EQ(host.reported, (std::vector { ErrorKind::ControlOperation }));
    chooseFaces(u"6");
    EXPECT_EQ(itemsOf(state.items(Control::cmbMinimo)), oneTo(6));
}

TEST_F(ProgramTest, CheckBoxSwitchesDifficultyAndThrowsOnly)
{
    program.start();
    ASSERT_TRUE(state.setValue(Control::chkPersonaje, 1));
    EXPECT_FALSE(state.isEnabled(Control::cmbDificultad));
    EXPECT_FALSE(state.isEnabled(Control::cmbTiradas));
    EXPECT_FALSE(state.isEnabled(Control::cmbMinimo));
    ASSERT_TRUE(state.setValue(Control::chkPersonaje, 0));
    EXPECT_TRUE(state.isEnabled(Control::cmbDificultad));
    EXPECT_TRUE(state.isEnabled(Control::cmbTiradas));
    ASSERT_TRUE(state.setValue(Control::chkPersonaje, 2));
    EXPECT_FALSE(state.isEnabled(Control::cmbTiradas));
}

TEST_F(ProgramTest, ExitEndsAndNothingIsHandledAfter)
{
    program.start();
    ASSERT_TRUE(state.press(Control::cmdSalir));
    EXPECT_EQ(host.endRequests, 1);
    EXPECT_TRUE(program.hasEnded());
    chooseFaces(u"6");
    EXPECT_TRUE(state.items(Control::cmbMinimo).empty());
}

// A host whose user acts while the error report is still open.
class ImpatientHost final : public Host
{
public:
    void endProgram() override { ++endRequests; }
    void reportError(const Error& error) override
    {
        reported.push_back(error.kind());
        if (auto act = std::exchange(whileOpen, {}))
            act();
    }

    /// Run once, by the next report.
    std::function<void()> whileOpen;
    int endRequests = 0;
    std::vector<ErrorKind> reported;
};

// What the handlers would change: the minimum list and the enabled flags.
std::vector<std::u16string> handlerVisible(const RollState& state)
{
    std::vector<std::u16string> seen = itemsOf(state.items(Control::cmbMinimo));
    for (Control control : { Control::cmbDificultad, Control::cmbTiradas, Control::cmdTirar })
        seen.push_back(state.isEnabled(control) ? u"on" : u"off");
    return seen;
}

struct UnderReportCase : NamedCase
{
    std::function<bool(RollState&)> operation;
};

class OperationUnderReport : public ::testing::TestWithParam<UnderReportCase>
{
};

TEST_P(OperationUnderReport, ReachesNoHandler)
{
    ScriptedRandom random = scriptedDraws({ 2 }, 20);
    ImpatientHost host;
    Program program { random, host };
    RollState& state = program.state();
    program.start();
    ASSERT_TRUE(state.chooseItem(Control::cmbCaras, state.items(Control::cmbCaras).indexOf(u"20")));
    ASSERT_TRUE(state.chooseItem(Control::cmbTiradas, 0));
    ASSERT_TRUE(state.press(Control::cmdTirar));
    const std::u16string report = state.text(Control::txtResultado);
    std::vector<std::u16string> before;
    std::vector<std::u16string> after;
    host.whileOpen = [&] {
        before = handlerVisible(state);
        GetParam().operation(state);
        after = handlerVisible(state);
    };
    ASSERT_TRUE(state.editField(Control::cmbCaras, u"20x"));
    EXPECT_EQ(host.reported, (std::vector { ErrorKind::TypeMismatch }));
    EXPECT_EQ(host.endRequests, 0);
    EXPECT_EQ(after, before);
    EXPECT_EQ(state.text(Control::txtResultado), report);
    EXPECT_EQ(random.taken(), 1u);

    // Once the report is closed, events reach their handlers again.
    ASSERT_TRUE(state.editField(Control::cmbCaras, u"abc"));
    EXPECT_EQ(host.reported.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Operations, OperationUnderReport,
    ::testing::Values(UnderReportCase { { "RollButton" },
                          [](RollState& s) { return s.press(Control::cmdTirar); } },
        UnderReportCase {
            { "ExitButton" }, [](RollState& s) { return s.press(Control::cmdSalir); } },
        UnderReportCase {
            { "FacesTyped" }, [](RollState& s) { return s.editField(Control::cmbCaras, u"6"); } },
        UnderReportCase {
            { "CheckBox" }, [](RollState& s) { return s.setValue(Control::chkPersonaje, 1); } }),
    caseName);

} // namespace
