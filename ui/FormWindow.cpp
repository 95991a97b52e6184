// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "FormWindow.h"

#include "CaptionFit.h"

#include "game/Errors.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kuvel::ui {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void FormWindow::findControls()
{
    for (std::size_t i = 0; i < ControlCount; ++i) {
        const QString name = fromUtf8(controlName(static_cast<Control>(i)));
        controls_[i] = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    }
}

template <typename Widget>
Widget& FormWindow::control(Control c) const
{
    auto* widget = qobject_cast<Widget*>(controls_[index(c)]);
    if (widget == nullptr)
        throw ControlError(objectName().toStdString() + " has no " + Widget::staticMetaObject.className() + " named " +
                           std::string(controlName(c)));
    return *widget;
}

std::string FormWindow::caption(Control label) const
{
    return control<QLabel>(label).text().toStdString();
}

void FormWindow::setCaption(Control label, std::string_view text)
{
    auto& widget = control<QLabel>(label);
    widget.setText(fromUtf8(text));
    fitCaption(widget);
}

bool FormWindow::sameCaption(Control a, Control b) const
{
    return control<QLabel>(a).text() == control<QLabel>(b).text();
}

void FormWindow::setBackColour(Control label, Rgb colour)
{
    auto& widget = control<QLabel>(label);
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), QColor(colour.r, colour.g, colour.b));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

std::string FormWindow::text(Control box) const
{
    return control<QLineEdit>(box).text().toStdString();
}

void FormWindow::setText(Control box, std::string_view text)
{
    auto& widget = control<QLineEdit>(box);
    widget.setText(fromUtf8(text));
    fitCaption(widget);
}

bool FormWindow::isSelected(Control option) const
{
    return control<QRadioButton>(option).isChecked();
}

void FormWindow::focusAndSelect(Control box)
{
    auto& widget = control<QLineEdit>(box);
    widget.setFocus();
    widget.selectAll();
}

void FormWindow::show()
{
    QWidget::show();
    activateWindow();
}

void FormWindow::hide()
{
    QWidget::hide();
}

}  // namespace kuvel::ui
