// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"

#include "roll/rollcommand.h"

#include <gtest/gtest.h>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

struct ReportCase : NamedCase
{
    std::u16string faces;
    std::u16string difficulty;
    std::u16string throws;
    int check;
    std::vector<int> draws;
    std::u16string report;
};

class RollReport : public ::testing::TestWithParam<ReportCase>
{
};

TEST_P(RollReport, IsByteExact)
{
    const auto& c = GetParam();
    RollState state = handSetState(c.faces, u"", c.difficulty, c.throws, c.check);
    state.setText(Control::txtResultado, u"informe anterior");
    ScriptedRandom random
        = scriptedDraws(c.draws, std::stoi(std::string(c.faces.begin(), c.faces.end())));
    cmdTirar_Click(state, random);
    EXPECT_EQ(state.text(Control::txtResultado), c.report);
}

const std::u16string ruler = u"---------------------------------------------";

INSTANTIATE_TEST_SUITE_P(Reports, RollReport,
    ::testing::Values(
        ReportCase { { "ThreeThrowsAgainstDifficulty" }, u"20", u"12", u"3", 0, { 7, 15, 12 },
            u"Dado 1  Resultado = 07  ¡Fallo!\r\n"
            u"Dado 2  Resultado = 15  ¡Exito!\r\n"
            u"Dado 3  Resultado = 12  ¡Exito!\r\n" },
        ReportCase {
            { "OneThrowNoDifficulty" }, u"6", u"", u"1", 0, { 5 }, u"Dado 1  Resultado = 05\r\n" },
        ReportCase { { "HundredAlwaysSucceeds" }, u"100", u"100", u"1", 0, { 100 },
            u"Dado 1  Resultado = 00  ¡Exito!\r\n" },
        ReportCase { { "HundredOnBiggerDieSucceeds" }, u"120", u"110", u"1", 0, { 100 },
            u"Dado 1  Resultado = 00  ¡Exito!\r\n" },
        ReportCase { { "NinetyNineFailsHundred" }, u"100", u"100", u"1", 0, { 99 },
            u"Dado 1  Resultado = 99  ¡Fallo!\r\n" },
        ReportCase { { "EqualToDifficultySucceeds" }, u"20", u"9", u"1", 0, { 9 },
            u"Dado 1  Resultado = 09  ¡Exito!\r\n" },
        ReportCase { { "TenThrows" }, u"6", u"", u"10", 0, { 1, 2, 3, 4, 5, 6, 1, 2, 3, 4 },
            u"Dado 1  Resultado = 01\r\nDado 2  Resultado = 02\r\nDado 3  Resultado = 03\r\n"
            u"Dado 4  Resultado = 04\r\nDado 5  Resultado = 05\r\nDado 6  Resultado = 06\r\n"
            u"Dado 7  Resultado = 01\r\nDado 8  Resultado = 02\r\nDado 9  Resultado = 03\r\n"
            u"Dado 10  Resultado = 04\r\n" },
        ReportCase { { "NoThrowsChosen" }, u"6", u"", u"", 0, { 3 }, u"" },
        ReportCase { { "CharacterSeries" }, u"6", u"4", u"7", 1,
            { 4, 2, 6, 1, 5, 3, 1, 1, 1, 1, 1, 1, 6, 6, 6, 6, 6, 6 },
            u"   04/02/06/01/05/03    Serie 1\r\n" + ruler + u"\r\n"
                + u"   01/01/01/01/01/01    Serie 2\r\n" + ruler + u"\r\n"
                + u"   06/06/06/06/06/06    Serie 3" },
        ReportCase { { "GreyCheckBoxIsCharacterMode" }, u"100", u"", u"1", 2,
            { 100, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18 },
            u"   00/02/03/04/05/06    Serie 1\r\n" + ruler + u"\r\n"
                + u"   07/08/09/10/11/12    Serie 2\r\n" + ruler + u"\r\n"
                + u"   13/14/15/16/17/18    Serie 3" }),
    caseName);

TEST(RollReport, ErrorKeepsWhatWasWritten)
{
    // A difficulty that is not a number stops the roll inside the first verdict.
    RollState state = handSetState(u"20", u"", u"fácil", u"3");
    ScriptedRandom random = scriptedDraws({ 7, 8, 9 }, 20);
    EXPECT_EQ(errorKindOf([&] { cmdTirar_Click(state, random); }), ErrorKind::TypeMismatch);
    EXPECT_EQ(state.text(Control::txtResultado), u"Dado 1  Resultado = 07");
    EXPECT_EQ(random.taken(), 1u);
}

const std::u16string earlier = u"Dado 1  Resultado = 02\r\n";

struct UnthrowableCase : NamedCase
{
    std::u16string faces;
    std::u16string minimum;
    std::u16string throws;
    int check;
    std::optional<ErrorKind> error;
    std::u16string report;
};

class UnthrowableFirstDie : public ::testing::TestWithParam<UnthrowableCase>
{
};

TEST_P(UnthrowableFirstDie, KeepsTheReport)
{
    const auto& c = GetParam();
    RollState state = handSetState(c.faces, c.minimum, u"", c.throws, c.check);
    state.setText(Control::txtResultado, earlier);
    ScriptedRandom random = scriptedDraws({ 1 }, 6);
    EXPECT_EQ(errorKindOf([&] { cmdTirar_Click(state, random); }), c.error);
    EXPECT_EQ(state.text(Control::txtResultado), c.report);
    EXPECT_EQ(random.taken(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Settings, UnthrowableFirstDie,
    ::testing::Values(UnthrowableCase { { "LetterFaces" }, u"abc", u"", u"1", 0,
                          ErrorKind::TypeMismatch, earlier },
        UnthrowableCase { { "EmptyFaces" }, u"", u"", u"1", 0, ErrorKind::TypeMismatch, earlier },
        UnthrowableCase {
            { "FacesBeyondSixteenBits" }, u"40000", u"", u"1", 0, ErrorKind::Overflow, earlier },
        UnthrowableCase { { "ZeroFaces" }, u"0", u"", u"1", 0, ErrorKind::NoFaces, earlier },
        UnthrowableCase { { "NegativeFaces" }, u"-5", u"", u"1", 0, ErrorKind::NoFaces, earlier },
        UnthrowableCase {
            { "SmallestFaces" }, u"-32768", u"", u"1", 0, ErrorKind::NoFaces, earlier },
        UnthrowableCase {
            { "MinimumAboveFaces" }, u"6", u"7", u"1", 0, ErrorKind::UnreachableMinimum, earlier },
        UnthrowableCase { { "CharacterSeriesLetterFaces" }, u"abc", u"", u"1", 1,
            ErrorKind::TypeMismatch, earlier },
        // No die is thrown, so none is checked: the report is cleared and stays empty.
        UnthrowableCase { { "NoThrowsChosen" }, u"abc", u"", u"", 0, std::nullopt, u"" }),
    caseName);

} // namespace
