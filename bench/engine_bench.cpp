// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roll/dieroll.h"
#include "roll/rollcommand.h"
#include "roll/rollstate.h"
#include "runtime/random.h"
#include "window/events/handlers.h"

#include <benchmark/benchmark.h>

using namespace quorlin;

namespace {

RollState stateFor(std::u16string faces, int check)
{
    RollState state;
    state.editField(Control::cmbCaras, std::move(faces));
    cmbCaras_Click(state);
    state.setText(Control::cmbDificultad, u"12");
    state.setText(Control::cmbTiradas, u"10");
    state.setValue(Control::chkPersonaje, check);
    return state;
}

void rollCommand(benchmark::State& bench, int check)
{
    RollState state = stateFor(u"20", check);
    XoshiroRandom random;
    for (auto _ : bench) {
        cmdTirar_Click(state, random);
        benchmark::DoNotOptimize(state.text(Control::txtResultado));
    }
}

void TenThrowsAgainstDifficulty(benchmark::State& bench) { rollCommand(bench, 0); }
BENCHMARK(TenThrowsAgainstDifficulty);

void CharacterSeries(benchmark::State& bench) { rollCommand(bench, 1); }
BENCHMARK(CharacterSeries);

// Only the top face is accepted: about 32767 reseeded draws a roll.
void LanzarDadoMinimumEqualsFaces(benchmark::State& bench)
{
    RollState state = stateFor(u"32767", 0);
    state.setText(Control::cmbMinimo, u"32767");
    XoshiroRandom random;
    for (auto _ : bench)
        benchmark::DoNotOptimize(LanzarDado(state, random));
}
BENCHMARK(LanzarDadoMinimumEqualsFaces)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);

// The rebuild that one keystroke causes, after the previous keystrokes' rebuilds.
void RebuildListsWhileTyping(benchmark::State& bench)
{
    const std::u16string typed = u"32767";
    const auto length = static_cast<std::size_t>(bench.range(0));
    RollState state;
    state.editField(Control::cmbCaras, typed.substr(0, length));
    for (auto _ : bench)
        cmbCaras_Click(state);
    bench.SetLabel(std::string(typed.begin(), typed.begin() + static_cast<std::ptrdiff_t>(length)));
}
BENCHMARK(RebuildListsWhileTyping)->DenseRange(1, 5)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
