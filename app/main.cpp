// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "CommandLine.h"
#include "app/PlayerLanguages.h"
#include "app/Translations.h"

#include "game/Module1.h"
#include "game/Rnd.h"
#include "ui/KeyRepeats.h"
#include "ui/ModalMessageBoxes.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // Message boxes have no title of their own and show the application's name.
    QApplication::setApplicationName(QStringLiteral("Kuvel"));
    QApplication::setApplicationVersion(QStringLiteral(KUVEL_VERSION));
    const kuvel::app::Request request = kuvel::app::readCommandLine(argc, argv);
    if (request == kuvel::app::Request::Refuse)
        return kuvel::app::UsageErrorStatus;
    // Qt's GTK platform theme starts GTK, whose own accessibility bridge would add a
    // second, empty application of this name beside the game's windows on the bus.
    // GTK leaves its bridge out under NO_AT_BRIDGE; Qt's bridge does not read it.
    qputenv("NO_AT_BRIDGE", "1");
    QApplication app(argc, argv);
    kuvel::ui::dropUnmarkedKeyRepeats(app);
    const kuvel::Translations translations(kuvel::playerLanguages());
    if (request == kuvel::app::Request::ShowAllHelp)
        kuvel::app::showAllHelp();
    // The desktop entry's drawing, on the windows and the message boxes.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kuvel.svg")));
    // Wayland compositors take the task bar's icon from the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KUVEL_APP_ID));

    kuvel::Module1 module;
    kuvel::Rnd random;
    kuvel::ui::ModalMessageBoxes messages;
    kuvel::ui::QtPlatform platform(module, random, messages);
    platform.Form1().show();
    return QApplication::exec();
}
