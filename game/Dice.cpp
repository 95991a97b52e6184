// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Dice.h"

#include "Captions.h"
#include "NumberText.h"

#include <array>
#include <cmath>

namespace kuvel {

namespace {

struct Group {
    int size = 0;
    std::array<int, 6> dice{};  // die numbers 1 to 6, ascending
};

// Every group of 2 to 6 of the six dice, largest groups first and each size in
// lexicographic order of the die numbers, which is the order the tests run in.
constexpr std::array<Group, 57> makeGroups()
{
    std::array<Group, 57> groups{};
    std::size_t n = 0;
    for (int size = 6; size >= 2; --size) {
        // Counting the bit patterns down, die 1 as the top bit, gives lexicographic order.
        for (int mask = 63; mask > 0; --mask) {
            Group g;
            for (int die = 1; die <= 6; ++die)
                if ((mask & (1 << (6 - die))) != 0)
                    g.dice[g.size++] = die;
            if (g.size == size)
                groups[n++] = g;
        }
    }
    return groups;
}

constexpr std::array<Group, 57> Groups = makeGroups();

constexpr Control counterFor(int size)
{
    return static_cast<Control>(index(Control::Label16) + (6 - size));
}

// A group a1 < a2 < ... < ak holds when a1's caption equals a2's, a2's equals
// a3's, and so on; all k - 1 comparisons are made.
bool allEqual(const Window& form1, const Group& g)
{
    bool equal = true;
    for (int k = 0; k + 1 < g.size; ++k)
        equal = form1.sameCaption(dieLabel(g.dice[k] - 1), dieLabel(g.dice[k + 1] - 1)) && equal;
    return equal;
}

}  // namespace

int dieFace(float r)
{
    return static_cast<int>(std::floor(checkedFloat(static_cast<double>(r) * 6.0 + 1.0, "the die formula")));
}

void rollDice(Platform& platform)
{
    Window& form1 = platform.Form1();
    for (int i = 0; i < 6; ++i)
        form1.setCaption(dieLabel(i), singleToText(static_cast<float>(dieFace(platform.random().next()))));
}

void countMatches(Window& form1)
{
    for (const Group& g : Groups) {
        if (allEqual(form1, g)) {
            const Control counter = counterFor(g.size);
            form1.setCaption(counter, doubleToText(captionPlusOne(form1, counter)));
        }
    }
}

}  // namespace kuvel
