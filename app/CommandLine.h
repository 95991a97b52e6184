// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QCoreApplication;

namespace kuvel::app {

// Answers --help and --version and ends the program there, before the game needs a
// display, so that they work on a text console too. Whatever else is asked is left
// to acceptCommandLine, once Qt has taken its own options from the command line.
void answerInformationRequests(int& argc, char** argv);

// The game itself takes no options. --help and --version are answered and end the
// program there; anything else left once Qt has taken its own options is reported
// with the usage on stderr, and the result is false: the game must not start.
bool acceptCommandLine(const QCoreApplication& app);

// The exit status after a refused command line, as command-line tools use it.
constexpr int UsageErrorStatus = 2;

}  // namespace kuvel::app
