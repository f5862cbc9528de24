// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Soaks the headless program with a million roll commands under changing settings, and shows
// that resident memory stays flat and every roll returns. Not a test: run it by hand or from CI.
//
//   quorlin_soak [rolls]        (default 1000000)

#include "memory.h"

#include "roll/rollstate.h"
#include "runtime/error.h"
#include "runtime/host.h"
#include "runtime/random.h"
#include "window/events/program.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

using namespace quorlin;

namespace {

class CountingHost final : public Host
{
public:
    void endProgram() override { ++endRequests; }
    void reportError(const Error&) override { ++errors; }

    long endRequests = 0;
    long errors = 0;
};

// Resident memory may grow this much after the warm-up before the soak counts as a leak.
constexpr long allowedGrowthKiB = 1024;

std::u16string ascii(const std::string& text) { return { text.begin(), text.end() }; }

// New settings, as a user would make them: a die from the list or typed, a minimum, a
// difficulty, a number of throws and the check box; now and then a text that is not a number.
void changeSettings(RollState& state, std::mt19937& choose)
{
    const int pick = static_cast<int>(choose() % 100);
    if (pick < 60)
        state.chooseItem(Control::cmbCaras, static_cast<int>(choose() % 7));
    else if (pick < 95)
        state.editField(Control::cmbCaras, ascii(std::to_string(1 + choose() % 1000)));
    else if (pick < 98)
        state.editField(Control::cmbCaras, u"32767");
    else
        state.editField(Control::cmbCaras, u"abc");

    state.setValue(Control::chkPersonaje, choose() % 4 == 0 ? 1 : 0);
    const auto pickFrom = [&](Control list) {
        const auto count = state.items(list).size();
        if (count > 0 && choose() % 2 == 0)
            state.chooseItem(list, static_cast<int>(choose() % count));
    };
    pickFrom(Control::cmbMinimo);
    if (state.isEnabled(Control::cmbDificultad))
        pickFrom(Control::cmbDificultad);
    if (state.isEnabled(Control::cmbTiradas))
        state.chooseItem(Control::cmbTiradas, static_cast<int>(choose() % 10));
}

} // namespace

int main(int argc, char* argv[])
{
    const long rolls = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    if (rolls <= 0) {
        std::fprintf(stderr, "usage: quorlin_soak [rolls]\n");
        return 2;
    }
    tools::printMemory("start", tools::readMemory());

    XoshiroRandom random;
    CountingHost host;
    Program program(random, host);
    RollState& state = program.state();
    program.start();
    std::mt19937 choose(20240607);

    const long warmUp = rolls / 10;
    tools::Memory afterWarmUp;
    long emptyReports = 0;
    const auto began = std::chrono::steady_clock::now();
    for (long i = 0; i < rolls; ++i) {
        if (i % 1000 == 0)
            changeSettings(state, choose);
        const long errorsBefore = host.errors;
        state.press(Control::cmdTirar);
        if (host.errors == errorsBefore && state.text(Control::txtResultado).empty())
            ++emptyReports;
        if (i + 1 == warmUp)
            afterWarmUp = tools::readMemory();
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - began;
    const tools::Memory end = tools::readMemory();

    tools::printMemory("after warm-up", afterWarmUp);
    tools::printMemory("end", end);
    std::printf("%ld roll commands in %.2f s: %.0f per second, %.2f us each\n", rolls,
        seconds.count(), rolls / seconds.count(), 1e6 * seconds.count() / rolls);
    std::printf(
        "errors reported: %ld (faces typed as \"abc\", and every roll of them)\n", host.errors);

    bool ok = true;
    if (emptyReports > 0) {
        std::printf("FAIL: %ld rolls reported no error and wrote no report\n", emptyReports);
        ok = false;
    }
    if (program.hasEnded() || host.endRequests != 0) {
        std::printf("FAIL: the program ended during the soak\n");
        ok = false;
    }
    const long growth = end.residentKiB - afterWarmUp.residentKiB;
    if (growth > allowedGrowthKiB && tools::memoryGrowthMeans("quorlin_soak")) {
        std::printf("FAIL: resident memory grew by %ld KiB after the warm-up\n", growth);
        ok = false;
    }
    std::printf("%s\n",
        !ok                                ? "soak FAILED"
            : tools::underAddressSanitizer ? "program alive"
                                           : "memory flat, program alive");
    return ok ? 0 : 1;
}
