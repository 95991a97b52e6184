// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "FakeWindow.h"

#include "game/Errors.h"

namespace kuvel::test {

using enum Control;

FakeWindow::FakeWindow(std::initializer_list<std::pair<Control, std::string>> controls, bool visible)
    : visible_(visible)
{
    for (const auto& [control, text] : controls)
        texts_[index(control)] = text;
}

FakeWindow FakeWindow::form1()
{
    FakeWindow w({{Label1, "#"},      {Label2, "#"},    {Label3, "#"},      {Label4, "#"},    {Label5, "#"},
                  {Label6, "#"},      {Label7, "Pair"}, {Label8, "Triple"}, {Label9, "Quad"}, {Label10, "Quint"},
                  {Label11, "Kuvel"}, {Label16, "0"},   {Label17, "0"},     {Label18, "0"},   {Label19, "0"},
                  {Label20, "0"},     {T1, "0"},        {T2, "0"},          {T3, "0"},        {Text4, "100"},
                  {Text5, "0"},       {Option1, "1"},   {Option2, "2"},     {Option3, "3"},   {Option4, "5"},
                  {Option5, "10"},    {Option6, "20"},  {Option7, "50"},    {Option8, "100"}},
                 true);
    for (Control label : {Label7, Label8, Label9, Label10, Label11})
        w.colours_[index(label)] = RGB(255, 255, 255);
    return w;
}

FakeWindow FakeWindow::form2()
{
    return FakeWindow({{Text1, "Amount to Bet"}, {Text2, "Number of Turns"}}, false);
}

namespace {

// Out of line, so that looking a control up, which every turn does dozens of
// times, stays cheap.
[[noreturn, gnu::cold, gnu::noinline]] void noSuchControl(Control c)
{
    throw ControlError("this window has no control " + std::string(controlName(c)));
}

}  // namespace

const std::string& FakeWindow::slot(Control c) const
{
    const std::optional<std::string>& text = texts_[index(c)];
    if (!text)
        noSuchControl(c);
    return *text;
}

std::string FakeWindow::caption(Control label) const
{
    return slot(label);
}

void FakeWindow::setCaption(Control label, std::string_view text)
{
    slot(label);
    texts_[index(label)]->assign(text);
}

void FakeWindow::setBackColour(Control label, Rgb colour)
{
    slot(label);
    colours_[index(label)] = colour;
}

Rgb FakeWindow::backColour(Control label) const
{
    slot(label);
    return colours_[index(label)];
}

bool FakeWindow::isSelected(Control option) const
{
    slot(option);
    return selected_ == option;
}

void FakeWindow::select(Control option)
{
    slot(option);
    selected_ = option;
}

void FakeWindow::focusAndSelect(Control box)
{
    slot(box);
    focused_ = box;
}

}  // namespace kuvel::test
