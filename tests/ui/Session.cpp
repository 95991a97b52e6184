// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Session.h"

#include <QTest>

namespace kuvel::test {

std::ostream& operator<<(std::ostream& out, const BetState& s)
{
    return out << "{Money " << s.Money << ", Bet " << s.Bet << ", TurnLimit " << s.TurnLimit << ", Text4 \"" << s.Text4
               << "\", Text5 \"" << s.Text5 << "\"}";
}

void click(QWidget& window, const char* button)
{
    QTest::mouseClick(&child<QPushButton>(window, button), Qt::LeftButton);
}

Session::Session()
{
    messages.form1 = &platform.Form1();
    form1().show();
}

void Session::readyToGo(const std::vector<int>& faces)
{
    dice.queueFaces(faces);
    click(form1(), "Command1");
}

void Session::makeABet()
{
    click(form1(), "Command2");
}

void Session::answerDialog(const QString& stake, const QString& turns)
{
    child<QLineEdit>(form2(), "Text1").setText(stake);
    child<QLineEdit>(form2(), "Text2").setText(turns);
    click(form2(), "Command1");
}

void Session::placeBet(const QString& stake, const QString& turns)
{
    makeABet();
    answerDialog(stake, turns);
}

void Session::select(const char* option)
{
    child<QRadioButton>(form1(), option).click();
}

BetState Session::betState()
{
    return {module.Money, module.Bet, module.TurnLimit, shown("Text4"), shown("Text5")};
}

std::string Session::shown(const char* control)
{
    if (auto* box = form1().findChild<QLineEdit*>(QString::fromLatin1(control)))
        return box->text().toStdString();
    return child<QLabel>(form1(), control).text().toStdString();
}

}  // namespace kuvel::test
