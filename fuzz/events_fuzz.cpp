// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the headless program with arbitrary sequences of user operations, as the window would
// perform them, and checks after every one that the state, the reported errors and the report
// are what Quorlin allows. Rolls use a pinned generator with a stopped clock, so every roll
// is repeatable from the input and must end on its own.

#include "roll/rollstate.h"
#include "runtime/error.h"
#include "runtime/host.h"
#include "runtime/numbers.h"
#include "runtime/random.h"
#include "tests/support/recordinghost.h"
#include "window/events/program.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace quorlin;
using quorlin::testing::RecordingHost;

namespace {

[[noreturn]] void fail(const char* what, std::size_t event, std::u16string_view detail = {})
{
    std::fprintf(stderr, "event sequence: %s (event %zu)", what, event);
    if (!detail.empty()) {
        std::fprintf(stderr, "; text:");
        for (const char16_t unit : detail)
            std::fprintf(stderr, (unit >= 0x20 && unit < 0x7f) ? "%c" : "\\u%04x",
                static_cast<unsigned>(unit));
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

class Reader
{
public:
    Reader(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_at >= m_size; }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    /// An index below count (count >= 1), wide enough for the longest lists.
    int index(std::size_t count)
    {
        const unsigned wide = byte() | (byte() << 8);
        return static_cast<int>(wide % count);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

std::uint64_t stoppedClock() { return 0x5157'4f52'4c49'4e00ULL; }

// Whole texts worth typing into the faces field in one go.
const std::array<std::u16string_view, 48> typedTexts { u"", u" ", u"0", u"1", u"2", u"6", u"20",
    u"100", u"101", u"120", u"-5", u"-1", u"-", u"+", u".", u",", u"e", u"E", u"32767", u"32768",
    u"-32768", u"-32767", u"99999", u"1e3", u"1e9", u"2.5", u"3.5", u"1,5", u" 7 ", u"\t12", u"abc",
    u"1e", u"1e-1", u"0.4", u"-0.5", u"12a", u"4294967297", u"1e-99999", u"20.", u".5", u"3276.75",
    u"0x10", u"NaN", u"inf", u"\uff11\uff12", u"\u0663", u"6\u00a0", u"\u00a1" };

// Single keystrokes: digits, signs, separators, blanks, the exponent letter, other letters, and
// characters beyond ASCII.
constexpr std::u16string_view keys = u"0123456789+-.,eE \tax\u00a1\u00f3\u0663\uff15";

std::u16string typedText(Reader& in)
{
    const std::uint8_t choice = in.byte();
    if (choice < 0x80)
        return std::u16string(typedTexts[choice % typedTexts.size()]);
    std::u16string text;
    for (int n = (choice & 0x7) + 1; n > 0; --n)
        text.push_back(keys[in.byte() % keys.size()]);
    return text;
}

std::optional<ErrorKind> conversionErrorOf(const std::u16string& text)
{
    try {
        integerOfText(text);
    } catch (const Error& error) {
        return error.kind();
    }
    return std::nullopt;
}

// The texts "1" to "32767", written independently of textOfInteger.
const std::vector<std::u16string>& numberTexts()
{
    static const std::vector<std::u16string> texts = [] {
        std::vector<std::u16string> all;
        for (int i = 1; i <= 32767; ++i) {
            const std::string ascii = std::to_string(i);
            all.emplace_back(ascii.begin(), ascii.end());
        }
        return all;
    }();
    return texts;
}

// The die text of a result, written independently of the engine's table.
std::u16string expectedDieText(int result)
{
    if (result == 100)
        return u"00";
    std::string ascii = std::to_string(result);
    if (result >= 1 && result <= 9)
        ascii = "0" + ascii;
    return { ascii.begin(), ascii.end() };
}

template <typename List> bool holds(const List& items, const std::vector<std::u16string>& expected)
{
    if (items.size() != expected.size())
        return false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (std::u16string_view(items[i]) != expected[i])
            return false;
    }
    return true;
}

int valueOfDigits(std::u16string_view digits)
{
    int value = 0;
    for (const char16_t c : digits)
        value = value * 10 + (c - u'0');
    return value;
}

/// What the model knows the program's state should be.
struct Model
{
    std::u16string faces; // cmbCaras's field
    int faceItems = 0; // cmbMinimo and cmbDificultad hold "1" .. faceItems
    int minimum = -1; // selected indices, -1 for none
    int difficulty = -1;
    int throws = 0;
    int check = 0;
    bool minimumEnabled = false;
    bool rollEnabled = false;
    bool seriesListsEnabled = true; // cmbDificultad and cmbTiradas
    std::u16string report;
    bool ended = false;
};

/// Counts the program's writes during one event, as a window mirroring them would see them.
struct Writes
{
    std::array<int, controlCount> byControl {};
    int total = 0;
    bool listsTouched = false;
    bool insertsInOrder = true;
    int nextInsert = 0;
};

class Session
{
public:
    Session(std::uint32_t seed)
        : m_random(seed, stoppedClock)
        , m_program(m_random, m_host)
        , m_state(m_program.state())
    {
        m_state.setObserver([this](const StateChange& change) { observe(change); });
        m_program.start();
        checkAll();
    }

    void step(Reader& in)
    {
        ++m_event;
        m_writes = Writes {};
        const std::size_t errorsBefore = m_host.reported.size();
        std::optional<ErrorKind> expected;

        const std::uint8_t op = in.byte();
        if (op == 0xff) {
            const bool accepted = m_state.press(Control::cmdSalir);
            check(accepted, "cmdSalir refused a press");
            if (!m_model.ended && m_host.endRequests != 1)
                fail("cmdSalir did not end the program once", m_event);
            m_model.ended = true;
        } else {
            switch (op % 10) {
            case 0:
                chooseFaces(static_cast<int>(in.byte() % 7), expected);
                break;
            case 1:
            case 2: {
                const Control list = op % 10 == 1 ? Control::cmbMinimo : Control::cmbDificultad;
                if (m_state.items(list).empty())
                    break;
                const int index = in.index(m_state.items(list).size());
                const bool enabled = list == Control::cmbMinimo ? m_model.minimumEnabled
                                                                : m_model.seriesListsEnabled;
                check(m_state.chooseItem(list, index) == enabled,
                    "a list choice was not refused exactly when disabled");
                if (enabled)
                    (list == Control::cmbMinimo ? m_model.minimum : m_model.difficulty) = index;
                break;
            }
            case 3: {
                const int index = static_cast<int>(in.byte() % 10);
                check(m_state.chooseItem(Control::cmbTiradas, index) == m_model.seriesListsEnabled,
                    "a throws choice was not refused exactly when disabled");
                if (m_model.seriesListsEnabled)
                    m_model.throws = index;
                break;
            }
            case 4:
                typeFaces(typedText(in), expected);
                break;
            case 5:
                typeFaces(m_model.faces + keys[in.byte() % keys.size()], expected);
                break;
            case 6: {
                std::u16string shorter = m_model.faces;
                if (!shorter.empty())
                    shorter.pop_back();
                typeFaces(shorter, expected);
                break;
            }
            case 7: {
                const int value = in.byte() % 3;
                check(m_state.setValue(Control::chkPersonaje, value), "the check box refused");
                m_model.check = value;
                if (!m_model.ended)
                    m_model.seriesListsEnabled = value == 0;
                break;
            }
            case 8:
                roll(expected);
                break;
            case 9: {
                const std::u16string text = typedText(in);
                check(m_state.editText(Control::txtResultado, text), "the report refused an edit");
                m_model.report = text;
                break;
            }
            }
        }

        const std::size_t errors = m_host.reported.size() - errorsBefore;
        if (m_model.ended && (errors != 0 || m_writes.total != 0 || m_host.endRequests != 1))
            fail("a handler ran after the program ended", m_event);
        if (expected) {
            if (errors != 1 || m_host.reported.back() != *expected)
                fail("the expected error was not reported exactly once", m_event, m_model.faces);
            const ErrorKind kind = m_host.reported.back();
            if (errorMessage(kind) == u"Error desconocido." || errorTitle(kind).empty())
                fail("an error kind has no message of its own", m_event);
        } else if (errors != 0) {
            fail("an error was reported where none was due", m_event, m_model.faces);
        }
        if (!m_writes.insertsInOrder)
            fail("items were not inserted at the next free position in step", m_event);
        checkAll();
    }

private:
    void check(bool condition, const char* what)
    {
        if (!condition)
            fail(what, m_event, m_model.faces);
    }

    void observe(const StateChange& change)
    {
        ++m_writes.total;
        ++m_writes.byControl[indexOf(change.control)];
        const bool list
            = change.control == Control::cmbMinimo || change.control == Control::cmbDificultad;
        if (!list)
            return;
        m_writes.listsTouched = true;
        if (change.kind == ChangeKind::Cleared) {
            m_writes.nextInsert = 0;
        } else if (change.kind == ChangeKind::Inserted) {
            // cmbMinimo gets position i, then cmbDificultad the same position.
            const bool minimum = change.control == Control::cmbMinimo;
            const int expected = m_writes.nextInsert / 2;
            if (change.position != expected || minimum != (m_writes.nextInsert % 2 == 0))
                m_writes.insertsInOrder = false;
            ++m_writes.nextInsert;
        }
    }

    // What cmbCaras_Click leaves for the faces text, when the handler runs.
    void expectRebuild(const std::u16string& faces, std::optional<ErrorKind>& expected)
    {
        if (m_model.ended)
            return;
        m_model.minimum = -1;
        m_model.difficulty = -1;
        expected = conversionErrorOf(faces);
        if (!expected && integerOfText(faces) == -32768)
            expected = ErrorKind::Overflow; // faces - 1 leaves the 16-bit range
        if (expected) {
            m_model.faceItems = 0;
            return;
        }
        m_model.faceItems = std::max<int>(0, integerOfText(faces));
        m_model.minimumEnabled = true;
        m_model.rollEnabled = true;
    }

    void chooseFaces(int index, std::optional<ErrorKind>& expected)
    {
        check(m_state.chooseItem(Control::cmbCaras, index), "choosing a die was refused");
        m_model.faces
            = std::u16string(m_state.items(Control::cmbCaras)[static_cast<std::size_t>(index)]);
        expectRebuild(m_model.faces, expected);
    }

    void typeFaces(const std::u16string& text, std::optional<ErrorKind>& expected)
    {
        check(m_state.editField(Control::cmbCaras, text), "typing into the faces was refused");
        m_model.faces = text;
        if (!text.empty())
            expectRebuild(text, expected);
    }

    void roll(std::optional<ErrorKind>& expected)
    {
        if (m_state.press(Control::cmdTirar) != m_model.rollEnabled)
            fail("the roll button was not refused exactly when disabled", m_event);
        if (!m_model.rollEnabled || m_model.ended)
            return;

        const bool character = m_model.check != 0;
        const int count = m_model.throws + 1;
        // The faces and the minimum do not change during a roll, so either every die can be
        // thrown or the roll fails before its first die, writing nothing: the report the user
        // had stays as it was, to the character.
        const int minimum = std::max(1, m_model.minimum + 1);
        expected = conversionErrorOf(m_model.faces);
        if (!expected && integerOfText(m_model.faces) < 1)
            expected = ErrorKind::NoFaces;
        else if (!expected && integerOfText(m_model.faces) < minimum)
            expected = ErrorKind::UnreachableMinimum;
        if (expected) {
            if (m_writes.total != 0)
                fail("a failed roll wrote to the state", m_event);
            if (m_state.text(Control::txtResultado) != m_model.report)
                fail("a failed roll changed the report", m_event,
                    m_state.text(Control::txtResultado));
            return;
        }
        m_model.report.clear();
        if (m_writes.total != m_writes.byControl[indexOf(Control::txtResultado)])
            fail("the roll wrote to something besides the report", m_event);
        const int faces = integerOfText(m_model.faces);
        const std::u16string report = m_state.text(Control::txtResultado);
        const bool ok = character ? isCharacterReport(report, minimum, faces)
                                  : isThrowReport(report, count, minimum, faces);
        if (!ok)
            fail("the report does not follow its layout", m_event, report);
        m_model.report = report;
    }

    // Reads one die text at pos, checks it against minimum .. faces, and gives its value.
    std::optional<int> dieAt(std::u16string_view report, std::size_t& pos, int minimum, int faces)
    {
        const std::size_t start = pos;
        while (pos < report.size() && report[pos] >= u'0' && report[pos] <= u'9' && pos - start < 6)
            ++pos;
        const std::u16string_view digits = report.substr(start, pos - start);
        if (digits.empty())
            return std::nullopt;
        const int value = digits == u"00" ? 100 : valueOfDigits(digits);
        if (value < minimum || value > faces || expectedDieText(value) != digits)
            return std::nullopt;
        return value;
    }

    static bool take(std::u16string_view report, std::size_t& pos, std::u16string_view piece)
    {
        if (report.substr(pos, piece.size()) != piece)
            return false;
        pos += piece.size();
        return true;
    }

    bool isThrowReport(std::u16string_view report, int count, int minimum, int faces)
    {
        const bool judged = m_model.difficulty >= 0;
        const int difficulty = m_model.difficulty + 1;
        std::size_t pos = 0;
        for (int i = 1; i <= count; ++i) {
            const std::string number = std::to_string(i);
            if (!take(report, pos, u"Dado ")
                || !take(report, pos, std::u16string(number.begin(), number.end()))
                || !take(report, pos, u"  Resultado = "))
                return false;
            const std::size_t dieStart = pos;
            const auto value = dieAt(report, pos, minimum, faces);
            if (!value)
                return false;
            if (judged) {
                const bool hundred = report.substr(dieStart, pos - dieStart) == u"00";
                const bool success = hundred || *value >= difficulty;
                if (!take(report, pos, success ? u"  ¡Exito!" : u"  ¡Fallo!"))
                    return false;
            }
            if (!take(report, pos, u"\r\n"))
                return false;
        }
        return pos == report.size();
    }

    bool isCharacterReport(std::u16string_view report, int minimum, int faces)
    {
        constexpr std::u16string_view ruler = u"---------------------------------------------";
        static_assert(ruler.size() == 45);
        std::size_t pos = 0;
        for (int series = 1; series <= 3; ++series) {
            if (!take(report, pos, u"   "))
                return false;
            for (int die = 1; die <= 6; ++die) {
                if (die > 1 && !take(report, pos, u"/"))
                    return false;
                if (!dieAt(report, pos, minimum, faces))
                    return false;
            }
            const char16_t name[] = { u' ', u' ', u' ', u' ', u'S', u'e', u'r', u'i', u'e', u' ',
                static_cast<char16_t>(u'0' + series), 0 };
            if (!take(report, pos, name))
                return false;
            if (series < 3
                && (!take(report, pos, u"\r\n") || !take(report, pos, ruler)
                    || !take(report, pos, u"\r\n")))
                return false;
        }
        return pos == report.size();
    }

    void checkList(Control list)
    {
        const auto& items = m_state.items(list);
        const auto count = static_cast<std::size_t>(m_model.faceItems);
        if (items.size() != count)
            fail("a minimum or difficulty list does not hold 1 up to the faces", m_event,
                m_model.faces);
        if (count == 0)
            return;
        const auto& numbers = numberTexts();
        if (m_writes.listsTouched) {
            for (std::size_t i = 0; i < count; ++i) {
                if (std::u16string_view(items[i]) != numbers[i])
                    fail("a rebuilt list holds a wrong item", m_event, items[i]);
            }
        } else if (std::u16string_view(items[0]) != numbers[0]
            || std::u16string_view(items[count - 1]) != numbers[count - 1]
            || std::u16string_view(items[count / 2]) != numbers[count / 2]) {
            // Lists left alone are only spot-checked: comparing 32767 items on every event
            // would slow the fuzzer down for nothing.
            fail("a list changed without a rebuild", m_event);
        }
    }

    void checkAll()
    {
        static const std::vector<std::u16string> dice { u"4", u"6", u"8", u"10", u"12", u"20",
            u"100" };
        static const std::vector<std::u16string> throwItems(
            numberTexts().begin(), numberTexts().begin() + 10);
        if (!holds(m_state.items(Control::cmbCaras), dice))
            fail("the dice list changed", m_event);
        if (!holds(m_state.items(Control::cmbTiradas), throwItems))
            fail("the throws list does not keep its ten items", m_event);
        checkList(Control::cmbMinimo);
        checkList(Control::cmbDificultad);

        if (m_state.text(Control::cmbCaras) != m_model.faces)
            fail("the faces field changed", m_event, m_state.text(Control::cmbCaras));
        if (m_state.selectedIndex(Control::cmbMinimo) != m_model.minimum
            || m_state.selectedIndex(Control::cmbDificultad) != m_model.difficulty
            || m_state.selectedIndex(Control::cmbTiradas) != m_model.throws)
            fail("a selection is not the one the user made", m_event);
        if (m_state.value(Control::chkPersonaje) != m_model.check)
            fail("the check box changed", m_event);
        if (m_state.isEnabled(Control::cmbMinimo) != m_model.minimumEnabled
            || m_state.isEnabled(Control::cmdTirar) != m_model.rollEnabled
            || m_state.isEnabled(Control::cmbDificultad) != m_model.seriesListsEnabled
            || m_state.isEnabled(Control::cmbTiradas) != m_model.seriesListsEnabled
            || !m_state.isEnabled(Control::cmbCaras) || !m_state.isEnabled(Control::chkPersonaje)
            || !m_state.isEnabled(Control::txtResultado) || !m_state.isEnabled(Control::cmdSalir))
            fail("an enabled flag is wrong", m_event);
        if (m_state.text(Control::txtResultado) != m_model.report)
            fail("the report changed outside a roll", m_event, m_state.text(Control::txtResultado));
        if (m_program.hasEnded() != m_model.ended)
            fail("the program's end flag is wrong", m_event);
    }

    RecordingHost m_host;
    XoshiroRandom m_random;
    Program m_program;
    RollState& m_state;
    Model m_model;
    Writes m_writes;
    std::size_t m_event = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader in(data, size);
    std::uint32_t seed = 0;
    for (int i = 0; i < 4; ++i)
        seed = (seed << 8) | in.byte();
    Session session(seed);
    // Long inputs are cut at a few hundred events; their tails only repeat what came before.
    for (int events = 0; !in.atEnd() && events < 400; ++events)
        session.step(in);
    return 0;
}
