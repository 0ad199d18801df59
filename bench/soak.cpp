// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The randomized walk for a million steps or more (virtual time: seconds,
// hours and days passing, the machine asleep now and then), in walks of 2000
// steps that each end by one of the ways out. Prints steps per second, what
// was reached, and every broken rule; not part of the tests.
//
//   soak [steps]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "walk.h"

int main(int argc, char** argv) {
    const long target = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    constexpr int kStepsPerWalk = 2000;
    Coverage coverage;
    std::set<std::string> bound;
    long steps = 0;
    int walks = 0;
    int broken = 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned seed = 1; steps < target; ++seed) {
        Walk walk(seed);
        walk.recordInto(coverage);
        if (bound.empty()) bound = Walk::boundHandlers(walk.app());
        if (const std::string rule = walk.run(kStepsPerWalk); !rule.empty()) {
            ++broken;
            std::printf("seed %u: %s\n", seed, rule.c_str());
        }
        steps += kStepsPerWalk;
        ++walks;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld steps in %d walks, %.1f s: %.0f steps per second; %d broken rules\n", steps,
                walks, seconds, static_cast<double>(steps) / seconds, broken);

    int reached = 0;
    for (const std::string& handler : bound) reached += coverage.handlers.count(handler) ? 1 : 0;
    std::printf("handlers reached: %d of %zu bound\n", reached, bound.size());
    for (const std::string& handler : bound) {
        if (!coverage.handlers.count(handler))
            std::printf("  never reached: %s\n", handler.c_str());
    }
    std::printf("steps that found (a step may find several):\n");
    for (const auto& [situation, count] : coverage.situations) {
        std::printf("  %-36s %ld\n", situation.c_str(), count);
    }
    std::printf("last steps of the walks:\n");
    for (const auto& [ending, count] : coverage.endings) {
        std::printf("  %-36s %ld\n", ending.c_str(), count);
    }
    return broken == 0 ? 0 : 1;
}
