#include "Form2.h"

#include "CaptionFit.h"
#include "Fonts.h"
#include "ui_Form2.h"

#include "game/Bet.h"
#include "game/Handler.h"

#include <QCloseEvent>

namespace kuvel::ui {

Form2::Form2(Module1& module, Platform& platform) : FormWindow(platform), ui_(std::make_unique<Ui::Form2>())
{
    ui_->setupUi(this);
    for (QLineEdit* box : {ui_->Text1, ui_->Text2})
        setPointSize(*box, 13.5);
    fitCaptions(*this);
    findControls();

    connect(ui_->Command1, &QPushButton::clicked, this,
            [&module, &platform] { runHandler(platform, [&] { Form2_Command1_Click(module, platform); }); });
}

Form2::~Form2() = default;

void Form2::showEvent(QShowEvent* event)
{
    ui_->Text1->setFocus();
    FormWindow::showEvent(event);
}

void Form2::closeEvent(QCloseEvent* event)
{
    platform().Form1().show();
    event->accept();
}

}  // namespace kuvel::ui
