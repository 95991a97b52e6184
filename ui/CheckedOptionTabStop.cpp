// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "CheckedOptionTabStop.h"

#include <QEvent>
#include <QList>
#include <QRadioButton>

#include <utility>

namespace kuvel::ui {

namespace {

// Owned by the window whose options it looks after.
class CheckedOptionTabStop : public QObject {
public:
    CheckedOptionTabStop(QWidget& window, QList<QRadioButton*> options) : QObject(&window), options_(std::move(options))
    {
        for (QRadioButton* option : options_) {
            connect(option, &QRadioButton::toggled, this, &CheckedOptionTabStop::moveTabStop);
            option->installEventFilter(this);
        }
        moveTabStop();
    }

protected:
    // Focus can rest on an unselected option (a press dragged off it), and the
    // toolkit then makes that one the stop; once the focus leaves, the stop goes
    // back to the selected option.
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut)
            moveTabStop();
        return false;
    }

private:
    void moveTabStop()
    {
        for (QRadioButton* option : options_) {
            const Qt::FocusPolicy policy = option->focusPolicy();
            option->setFocusPolicy(option->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                       : Qt::FocusPolicy(policy & ~Qt::TabFocus));
        }
    }

    QList<QRadioButton*> options_;
};

}  // namespace

void keepTabStopOnCheckedOption(QWidget& window)
{
    new CheckedOptionTabStop(window, window.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly));
}

}  // namespace kuvel::ui
