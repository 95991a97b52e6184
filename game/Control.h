#pragma once

#include <cstdint>
#include <string_view>

namespace kuvel {

// Every control the game reads or writes, under its name in the window layouts.
// Form2's boxes are Text1 and Text2; both windows call their first button Command1.
enum class Control : std::uint8_t {
    Label1, Label2, Label3, Label4, Label5, Label6,
    Label7, Label8, Label9, Label10, Label11,
    Label12, Label13, Label14, Label15,
    Label16, Label17, Label18, Label19, Label20,
    Label21, Label22,
    T1, T2, T3,
    Text1, Text2, Text4, Text5,
    Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8,
    Command1, Command2,
};

inline constexpr std::size_t ControlCount = static_cast<std::size_t>(Control::Command2) + 1;

constexpr std::size_t index(Control c) { return static_cast<std::size_t>(c); }

// The control's object name in its window ("Label16", "T1", "Option4"...).
std::string_view controlName(Control c);

// Offsets from a numbered first control: dieLabel(0) is Label1, option(7) is Option8.
constexpr Control dieLabel(int i) { return static_cast<Control>(index(Control::Label1) + i); }
constexpr Control option(int i) { return static_cast<Control>(index(Control::Option1) + i); }

}  // namespace kuvel
