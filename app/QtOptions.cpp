// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "QtOptions.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <iterator>

namespace kuvel::app {

namespace {

enum class Value { None, NextArgument, AfterEquals };

struct QtOption {
    QLatin1StringView name;
    Value value = Value::None;
};

// Qt 6.4's own options as its documentation of QGuiApplication and QApplication
// lists them, -display and -geometry of the X11 platform among them.
constexpr auto QtOptions = std::to_array<QtOption>({
    {QLatin1StringView("platform"), Value::NextArgument},
    {QLatin1StringView("platformpluginpath"), Value::NextArgument},
    {QLatin1StringView("platformtheme"), Value::NextArgument},
    {QLatin1StringView("plugin"), Value::NextArgument},
    {QLatin1StringView("qmljsdebugger="), Value::AfterEquals},
    {QLatin1StringView("qwindowgeometry"), Value::NextArgument},
    {QLatin1StringView("qwindowicon"), Value::NextArgument},
    {QLatin1StringView("qwindowtitle"), Value::NextArgument},
    {QLatin1StringView("reverse"), Value::None},
    {QLatin1StringView("session"), Value::NextArgument},
    {QLatin1StringView("display"), Value::NextArgument},
    {QLatin1StringView("geometry"), Value::NextArgument},
    {QLatin1StringView("style"), Value::NextArgument},
    {QLatin1StringView("style="), Value::AfterEquals},
    {QLatin1StringView("stylesheet"), Value::NextArgument},
    {QLatin1StringView("stylesheet="), Value::AfterEquals},
    {QLatin1StringView("widgetcount"), Value::None},
});

bool names(const QtOption& option, QStringView name)
{
    return option.value == Value::AfterEquals ? name.startsWith(option.name) : name == option.name;
}

// Qt reads "--platform" as "-platform".
const QtOption* qtOption(const QString& argument)
{
    if (!argument.startsWith(u'-'))
        return nullptr;
    const QStringView name = QStringView(argument).mid(argument.startsWith(QLatin1StringView("--")) ? 2 : 1);
    const auto* const found =
        std::ranges::find_if(QtOptions, [name](const QtOption& option) { return names(option, name); });
    return found == QtOptions.end() ? nullptr : found;
}

}  // namespace

QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1StringView("--"))
            return kept + arguments.mid(i);
        const QtOption* option = qtOption(arguments[i]);
        // An option that lacks its value is not Qt's to take, and is refused.
        if (option != nullptr && option->value == Value::NextArgument && i + 1 < arguments.size())
            ++i;
        else if (option == nullptr || option->value == Value::NextArgument)
            kept += arguments[i];
    }
    return kept;
}

}  // namespace kuvel::app
