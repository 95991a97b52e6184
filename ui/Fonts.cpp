// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Fonts.h"

#include <QFont>
#include <QLocale>
#include <QStringList>
#include <QWidget>

namespace kuvel::ui {

void useFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

namespace {

QStringList fontsOfTheLanguage()
{
    if (QLocale().language() == QLocale::Urdu || QLocale().language() == QLocale::Pashto)
        return {QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Noto Sans Arabic")};
    return {};
}

void askAfter(QWidget& widget, const QStringList& families)
{
    QFont font = widget.font();
    font.setFamilies(QStringList(font.families()) << families);
    widget.setFont(font);
}

}  // namespace

void useFontsOfTheLanguage(QWidget& window)
{
    const QStringList families = fontsOfTheLanguage();
    if (families.isEmpty())
        return;
    askAfter(window, families);
    for (QWidget* control : window.findChildren<QWidget*>())
        askAfter(*control, families);
}

void setPointSize(QWidget& widget, double points)
{
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

}  // namespace kuvel::ui
