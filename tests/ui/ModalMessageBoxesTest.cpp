// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "ui/ModalMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace kuvel::test {
namespace {

// What the acceptor found on the box before it pressed OK.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QList<QMessageBox::StandardButton> buttons;
    QWidget* parent = nullptr;
    bool modal = false;
};

// Keeps looking for the active modal message box; once there, notes what it shows
// and presses its OK button.
class Acceptor {
public:
    Acceptor()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            timer_.stop();
            seen = {box->windowTitle(), box->text(), box->icon(), {}, box->parentWidget(), box->isModal()};
            for (QAbstractButton* button : box->buttons())
                seen.buttons.append(box->standardButton(button));
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
        });
        timer_.start(20);
    }

    SeenBox seen;

private:
    QTimer timer_;
};

TEST(ModalMessageBoxes, ShowTheTextWithOneOkButtonNoIconTitledKuvel)
{
    QWidget parent;
    parent.show();
    Acceptor acceptor;
    ui::ModalMessageBoxes boxes;
    boxes.show(&parent, QStringLiteral("REMEMBER TO BET"));

    const SeenBox& seen = acceptor.seen;
    EXPECT_EQ(seen.title.toStdString(), "Kuvel");
    EXPECT_EQ(seen.text.toStdString(), "REMEMBER TO BET");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_EQ(seen.parent, &parent);
    EXPECT_TRUE(seen.modal);
}

}  // namespace
}  // namespace kuvel::test
