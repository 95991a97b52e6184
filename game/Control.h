// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kuvel {

// Every control the game reads or writes, under its name in the window layouts, in
// one list that both the enum and the names are made from.
// Form2's boxes are Text1 and Text2; both windows call their first button Command1.
// clang-format off
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): one list makes both the enum and the names
#define KUVEL_CONTROLS(X)                                                                       \
    X(Label1) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6)                                 \
    X(Label7) X(Label8) X(Label9) X(Label10) X(Label11)                                         \
    X(Label12) X(Label13) X(Label14) X(Label15)                                                 \
    X(Label16) X(Label17) X(Label18) X(Label19) X(Label20)                                      \
    X(Label21) X(Label22)                                                                       \
    X(T1) X(T2) X(T3)                                                                           \
    X(Text1) X(Text2) X(Text4) X(Text5)                                                         \
    X(Option1) X(Option2) X(Option3) X(Option4) X(Option5) X(Option6) X(Option7) X(Option8)     \
    X(Command1) X(Command2)
// clang-format on

#define KUVEL_CONTROL_ENUMERATOR(name) name,  // NOLINT(cppcoreguidelines-macro-usage): see KUVEL_CONTROLS
enum class Control : std::uint8_t { KUVEL_CONTROLS(KUVEL_CONTROL_ENUMERATOR) };
#undef KUVEL_CONTROL_ENUMERATOR

#define KUVEL_CONTROL_NAME(name) std::string_view(#name),  // NOLINT(cppcoreguidelines-macro-usage): see KUVEL_CONTROLS
inline constexpr std::array ControlNames{KUVEL_CONTROLS(KUVEL_CONTROL_NAME)};
#undef KUVEL_CONTROL_NAME

inline constexpr std::size_t ControlCount = ControlNames.size();

constexpr std::size_t index(Control c)
{
    return static_cast<std::size_t>(c);
}

// The control's object name in its window ("Label16", "T1", "Option4"...).
constexpr std::string_view controlName(Control c)
{
    return ControlNames[index(c)];
}

// Offsets from a numbered first control: dieLabel(0) is Label1, option(7) is Option8.
constexpr Control dieLabel(int i)
{
    return static_cast<Control>(index(Control::Label1) + i);
}
constexpr Control option(int i)
{
    return static_cast<Control>(index(Control::Option1) + i);
}

}  // namespace kuvel
