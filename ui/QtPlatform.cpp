// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "QtPlatform.h"

#include "AccessibleLineEdit.h"
#include "Fonts.h"

#include "game/Handler.h"
#include "game/LoadHandler.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace kuvel::ui {

QtPlatform::QtPlatform(Module1& module, RandomSource& random, MessageBoxes& messages)
    : module_(module),
      random_(random),
      messages_(messages)
{
    useFontSubstitutes();
    answerForLineEdits();
    form1_ = std::make_unique<ui::Form1>(module_, *this);
    runHandler(*this, [this] { Form1_Load(module_, *this); });
}

QtPlatform::~QtPlatform() = default;

ui::Form2& QtPlatform::Form2()
{
    if (!form2_) {
        form2_ = std::make_unique<ui::Form2>(module_, *this);
        QObject::connect(form2_.get(), &ui::Form2::finished, form1_.get(), &ui::Form1::focusAfterBetDialog);
    }
    return *form2_;
}

QWidget* QtPlatform::visibleWindow() const
{
    if (!form1_->isVisible() && form2_ && form2_->isVisible())
        return form2_.get();
    return form1_.get();
}

namespace {

std::string translated(Message id)
{
    return QCoreApplication::translate(MessageContext, englishText(id)).toStdString();
}

}  // namespace

void QtPlatform::message(Message id, const std::vector<Value>& values)
{
    messages_.show(visibleWindow(), QString::fromStdString(wording(id, values, translated)));
}

void QtPlatform::summarise(const std::vector<Phrase>& summary)
{
    form1_->describeTurn(QString::fromStdString(sentences(summary, translated)));
}

void QtPlatform::endProgram()
{
    endRequested_ = true;
    form1_->hide();
    if (form2_)
        form2_->hide();
    // Queued, so the handler that asked runs to its end first; tied to Form1, so
    // nothing stays pending once the windows are gone.
    QMetaObject::invokeMethod(
        form1_.get(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace kuvel::ui
