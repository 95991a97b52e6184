// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Game.h"

#include "game/Bet.h"
#include "game/Turn.h"

namespace kuvel::test {

using enum Control;

void Game::turn(const std::vector<int>& faces)
{
    p.queueFaces(faces);
    Form1_Command1_Click(m, p);
}

void Game::turns(int count, const std::vector<int>& faces)
{
    for (int i = 0; i < count; ++i)
        turn(faces);
}

void Game::bet(std::string_view stake, std::string_view turns)
{
    Form1_Command2_Click(p);
    p.Form2().setText(Text1, stake);
    p.Form2().setText(Text2, turns);
    Form2_Command1_Click(m, p);
}

std::vector<std::string> Game::newMessages()
{
    std::vector<std::string> texts;
    for (; seen_ < p.messages.size(); ++seen_)
        texts.push_back(p.messages[seen_].text);
    return texts;
}

void PrintTo(const Displays& d, std::ostream* os)
{
    *os << "{T1 " << d.T1 << ", T2 " << d.T2 << ", T3 " << d.T3 << ", Text4 " << d.Text4 << ", Text5 " << d.Text5
        << ", dice " << d.dice << "}";
}

}  // namespace kuvel::test
