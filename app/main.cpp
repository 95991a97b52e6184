#include "game/Module1.h"
#include "game/Rnd.h"
#include "ui/ModalMessageBoxes.h"
#include "ui/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Message boxes have no title of their own and show the application's name.
    QApplication::setApplicationName(QStringLiteral("Kuvel"));

    kuvel::Module1 module;
    kuvel::Rnd random;
    kuvel::ui::ModalMessageBoxes messages;
    kuvel::ui::QtPlatform platform(module, random, messages);
    platform.Form1().show();
    return app.exec();
}
