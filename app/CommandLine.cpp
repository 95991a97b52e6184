// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "CommandLine.h"

#include "PlayerLanguages.h"
#include "QtOptions.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

namespace kuvel::app {

namespace {

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "A dice game against the computer."));
    // Qt's own options have one dash and whole words, so a mistyped one is named as typed.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
}

Request refuse(const QCommandLineParser& parser, const QString& program, const QString& why)
{
    std::fputs(qPrintable(QStringLiteral("%1: %2\n%3").arg(program, why, parser.helpText())), stderr);
    return Request::Refuse;
}

// Undecodable bytes arrive as replacement characters; quoting them back would only
// print more of them.
bool isValidText(const QString& argument)
{
    return !argument.contains(QChar::ReplacementCharacter);
}

Request read(const QStringList& arguments)
{
    QCommandLineParser parser;
    describe(parser);
    const QString program = QFileInfo(arguments.constFirst()).fileName();
    if (!std::all_of(arguments.cbegin(), arguments.cend(), isValidText))
        return refuse(parser, program,
                      QCoreApplication::translate("CommandLine", "An argument is not valid text in this locale."));
    if (!parser.parse(arguments))
        return refuse(parser, program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(parser, program,
                      QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(QStringLiteral("help-all")))
        return Request::ShowAllHelp;
    // The arguments are known good now, so this only answers --help and --version.
    parser.process(arguments);
    return Request::Play;
}

}  // namespace

Request readCommandLine(int argc, char** argv)
{
    // Without arguments the game starts at once, with no console application before it.
    if (argc < 2)
        return Request::Play;
    // The console application takes Qt's core options (-qmljsdebugger) out of the
    // arguments it is given; QApplication must still find them in the originals.
    const std::span arguments(argv, static_cast<std::size_t>(argc) + 1);
    std::vector<char*> copy(arguments.begin(), arguments.end());
    int count = argc;
    const QCoreApplication app(count, copy.data());
    const Translations translations(playerLanguages());
    return read(withoutQtOptions(QCoreApplication::arguments()));
}

void showAllHelp()
{
    QCommandLineParser parser;
    describe(parser);
    parser.process({QCoreApplication::arguments().constFirst(), QStringLiteral("--help-all")});
}

}  // namespace kuvel::app
