// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "game/RandomSource.h"

#include <deque>
#include <initializer_list>
#include <vector>

namespace kuvel::test {

// Random values the test chooses, handed out in order.
class ChosenValues : public RandomSource {
public:
    void randomize() override { ++randomized; }
    float next() override;

    // Queues the values that give these faces (1 to 6), one roll per six faces.
    void queueFaces(const std::vector<int>& faces);
    void queueValues(std::initializer_list<float> values);
    std::size_t left() const { return values_.size(); }

    int randomized = 0;

private:
    std::deque<float> values_;
};

}  // namespace kuvel::test
