// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "ui/ModalMessageBoxes.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
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

// The box opens with the focus on its text, read whole by a screen reader, "&" and
// all; Space there presses OK, as on the button. (Enter on the text is played end to end.)
TEST(ModalMessageBoxes, TheTextHasTheFocusAndSpaceThereClosesTheBox)
{
    QWidget parent;
    parent.show();
    QString focusedText;
    bool closedBySpace = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* label = qobject_cast<QLabel*>(QApplication::focusWidget());
        if (label == nullptr || QApplication::activeModalWidget() == nullptr)
            return;
        timer.stop();
        focusedText = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        QTest::keyClick(label, Qt::Key_Space);
        closedBySpace = QApplication::activeModalWidget() == nullptr;
    });
    timer.start(20);
    // A box that never gives its text the focus, or ignores the key, is closed for the test.
    QTimer::singleShot(2000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    ui::ModalMessageBoxes boxes;
    boxes.show(&parent, QStringLiteral("Kuvel & co"));
    EXPECT_EQ(focusedText.toStdString(), "Kuvel & co");
    EXPECT_TRUE(closedBySpace);
}

}  // namespace
}  // namespace kuvel::test
