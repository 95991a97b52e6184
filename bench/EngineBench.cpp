// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
// The engine's speed on the in-memory platform: one press of "Ready To Go", and all
// 46,656 rolls counted and scored. Run in a RelWithDebInfo or Release build:
//   BUILD/bench/kuvel_engine_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "FakePlatform.h"
#include "game/Dice.h"
#include "game/Rnd.h"
#include "game/Scoring.h"
#include "game/Turn.h"

#include <benchmark/benchmark.h>

#include <array>

namespace kuvel::bench {
namespace {

using enum Control;
using test::FakePlatform;

// Every roll of six dice in turn: the values that give faces 1,1,1,1,1,1 then
// 1,1,1,1,1,2 and so on up to 6,6,6,6,6,6, like an odometer.
class EveryRoll : public RandomSource {
public:
    void randomize() override {}
    float next() override
    {
        const float value = (static_cast<float>(digits_[die_]) + 0.5f) / 6.0f;
        if (++die_ == 6) {
            die_ = 0;
            advance();
        }
        return value;
    }

private:
    void advance()
    {
        for (int i = 5; i >= 0 && ++digits_[i] == 6; --i)
            digits_[i] = 0;
    }
    std::array<int, 6> digits_{};
    int die_ = 0;
};

// One press of "Ready To Go" with the program's own generator, a fixed seed and
// no bet: games of 50 turns are played and settled over and over.
void BM_Turn(benchmark::State& state)
{
    Rnd rnd;
    rnd.seed(20240607);
    FakePlatform platform(rnd);
    Module1 m = test::startValues();
    for (auto _ : state) {
        Form1_Command1_Click(m, platform);
        platform.clearMessages();
    }
    benchmark::DoNotOptimize(m);
}
BENCHMARK(BM_Turn);

// All 46,656 rolls, each rolled into the dice labels, counted and scored.
void BM_ScoreEveryRoll(benchmark::State& state)
{
    EveryRoll every;
    FakePlatform platform(every);
    Module1 m = test::startValues();
    constexpr int Rolls = 6 * 6 * 6 * 6 * 6 * 6;
    for (auto _ : state) {
        for (int roll = 0; roll < Rolls; ++roll) {
            for (Control counter : {Label16, Label17, Label18, Label19, Label20})
                platform.form1.setCaption(counter, "0");
            m.PlayerPoints = 0;
            rollDice(platform);
            countMatches(platform.form1);
            scoreRoll(m, platform);
            platform.clearMessages();
        }
    }
    state.counters["rolls/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * Rolls, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScoreEveryRoll)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kuvel::bench
