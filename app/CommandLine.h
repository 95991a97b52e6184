// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

namespace kuvel::app {

// What the command line leaves for the game to do.
enum class Request { Play, ShowAllHelp, Refuse };

// Reads the command line before the game opens a display, so that a text console gets
// the same answers. The game itself takes no options: --help and --version are
// answered and end the program there; anything but Qt's own options is reported with
// the usage on stderr (Refuse). --help-all lists Qt's display options as well, which
// only an application with a display can name: it is left to showAllHelp.
Request readCommandLine(int argc, char** argv);

// Prints the usage with Qt's options and ends the program; needs the QApplication.
void showAllHelp();

// The exit status after a refused command line, as command-line tools use it.
constexpr int UsageErrorStatus = 2;

}  // namespace kuvel::app
