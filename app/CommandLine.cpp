// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "CommandLine.h"

#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cstdio>

namespace kuvel::app {

namespace {

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "A dice game against the computer."));
    parser.addHelpOption();
    parser.addVersionOption();
}

bool refuse(const QCommandLineParser& parser, const QString& program, const QString& why)
{
    std::fputs(qPrintable(QStringLiteral("%1: %2\n%3").arg(program, why, parser.helpText())), stderr);
    return false;
}

// Undecodable bytes arrive as replacement characters; quoting them back would only
// print more of them.
bool isValidText(const QString& argument)
{
    return !argument.contains(QChar::ReplacementCharacter);
}

}  // namespace

void answerInformationRequests(int& argc, char** argv)
{
    // Without arguments the game starts at once, with no console application before it.
    if (argc < 2)
        return;
    const QCoreApplication app(argc, argv);
    const Translations translations(QLocale::system().uiLanguages());
    QCommandLineParser parser;
    describe(parser);
    // Qt's own options are unknown here, and only a display-bound application lists
    // them for --help-all.
    if (parser.parse(QCoreApplication::arguments()) && parser.positionalArguments().isEmpty() &&
        !parser.isSet(QStringLiteral("help-all")))
        parser.process(app);
}

bool acceptCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    describe(parser);

    const QStringList arguments = QCoreApplication::arguments();
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
    // The arguments are known good now, so this only answers --help and --version.
    parser.process(app);
    return true;
}

}  // namespace kuvel::app
