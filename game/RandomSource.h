// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

namespace kuvel {

// Where the dice come from: uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds from the system clock.
    virtual void randomize() = 0;
    virtual float next() = 0;
};

}  // namespace kuvel
