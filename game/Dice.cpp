#include "Dice.h"

#include "Captions.h"
#include "NumberText.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace kuvel {

namespace {

// One bit for each two dice i < j (0 to 5): bit 6 * i + j.
constexpr std::uint64_t pairBit(int i, int j) { return std::uint64_t{1} << (6 * i + j); }

struct Group {
    int size = 0;
    std::uint64_t neighbours = 0;  // the pairs of neighbouring members that must be equal
};

// Every group of 2 to 6 of the six dice, largest groups first and each size in
// lexicographic order of the die numbers, which is the order the tests run in.
// A group a1 < a2 < ... < ak holds when a1 equals a2, a2 equals a3, and so on.
constexpr std::array<Group, 57> makeGroups()
{
    std::array<Group, 57> groups{};
    std::size_t n = 0;
    for (int size = 6; size >= 2; --size) {
        // Counting the bit patterns down, die 1 as the top bit, gives lexicographic order.
        for (int mask = 63; mask > 0; --mask) {
            Group g;
            int previous = -1;
            for (int die = 0; die < 6; ++die) {
                if (!(mask & (1 << (5 - die))))
                    continue;
                if (previous >= 0)
                    g.neighbours |= pairBit(previous, die);
                previous = die;
                ++g.size;
            }
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

// The pairs of dice whose captions are equal. Nothing writes the dice while they
// are counted, so each two captions are compared once and the 57 group tests use
// the answers instead of comparing the same two texts again.
std::uint64_t equalPairs(const Window& form1)
{
    std::array<std::string, 6> captions;
    for (int i = 0; i < 6; ++i)
        captions[i] = form1.caption(dieLabel(i));
    std::uint64_t equal = 0;
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (captions[i] == captions[j])
                equal |= pairBit(i, j);
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
        form1.setCaption(dieLabel(i), singleToText(static_cast<float>(dieFace(platform.rnd()))));
}

void countMatches(Window& form1)
{
    const std::uint64_t equal = equalPairs(form1);
    for (const Group& g : Groups) {
        if ((g.neighbours & ~equal) == 0) {
            const Control counter = counterFor(g.size);
            form1.setCaption(counter, doubleToText(captionPlusOne(form1, counter)));
        }
    }
}

}  // namespace kuvel
