#include "Scoring.h"

#include "Int16.h"
#include "NumberText.h"

#include <array>
#include <initializer_list>

namespace kuvel {

namespace {

struct CounterIs {
    Control counter = Control::Label16;
    double value = 0;
};

// Up to five items, written as a braced list.
template <typename T>
struct Few {
    std::array<T, 5> items{};
    std::size_t count = 0;
    constexpr Few(std::initializer_list<T> list)
    {
        for (const T& item : list)
            items[count++] = item;
    }
    constexpr const T* begin() const { return items.data(); }
    constexpr const T* end() const { return items.data() + count; }
};

struct Rule {
    Few<CounterIs> condition;
    int points;
    Few<Control> labels;  // highest combination first
    bool black;                             // all different: black instead of the highlights
    Message message;
};

using enum Control;

// Each rule names the counters it tests; together the rules cover every roll once.
constexpr std::array<Rule, 11> Rules = {{
    {{{Label16, 1}},
     1296, {Label11, Label10, Label9, Label8, Label7}, false,
     Message::Kuvel},
    {{{Label16, 0}, {Label17, 1}},
     216, {Label10, Label9, Label8, Label7}, false,
     Message::Quint},
    {{{Label16, 0}, {Label17, 0}, {Label18, 1}, {Label20, 6}},
     36, {Label9, Label8, Label7}, false,
     Message::Quad},
    {{{Label16, 0}, {Label17, 0}, {Label18, 1}, {Label20, 7}},
     37, {Label9, Label8, Label7}, false,
     Message::QuadAndPair},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 1}, {Label20, 3}},
     6, {Label8, Label7}, false,
     Message::Triple},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 1}, {Label20, 4}},
     7, {Label8, Label7}, false,
     Message::TripleAndPair},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 2}},
     12, {Label8, Label7}, false,
     Message::TwoTriples},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 0}, {Label20, 3}},
     3, {Label7}, false,
     Message::ThreePairs},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 0}, {Label20, 2}},
     2, {Label7}, false,
     Message::TwoPairs},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 0}, {Label20, 1}},
     1, {Label7}, false,
     Message::OnePair},
    {{{Label16, 0}, {Label17, 0}, {Label18, 0}, {Label19, 0}, {Label20, 0}},
     66, {Label11, Label10, Label9, Label8, Label7}, true,
     Message::AllDifferent},
}};

Rgb highlight(Control label)
{
    switch (label) {
    case Label11: return RGB(256, 0, 0);
    case Label10: return RGB(256, 64, 0);
    case Label9: return RGB(256, 128, 0);
    case Label8: return RGB(256, 192, 0);
    default: return RGB(256, 256, 0);
    }
}

bool holds(const Rule& rule, const Window& form1)
{
    for (const CounterIs& test : rule.condition)
        if (textToDouble(form1.caption(test.counter)) != test.value)
            return false;
    return true;
}

void award(const Rule& rule, Module1& m, Platform& platform)
{
    Window& form1 = platform.Form1();
    m.PlayerPoints = saturated16(m.PlayerPoints + rule.points);
    form1.setCaption(T2, integerToText(m.PlayerPoints));
    for (Control label : rule.labels)
        form1.setBackColour(label, rule.black ? RGB(0, 0, 0) : highlight(label));
    platform.message(rule.message);
}

}  // namespace

void scoreRoll(Module1& m, Platform& platform)
{
    // No else-chain: every rule is tested, each reading its counters afresh.
    for (const Rule& rule : Rules)
        if (holds(rule, platform.Form1()))
            award(rule, m, platform);
}

}  // namespace kuvel
