// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Captions.h"

#include "Errors.h"
#include "NumberText.h"

#include <cmath>

namespace kuvel {

double checkedFloat(double value, const char* what)
{
    if (!std::isfinite(value))
        throw FloatingPointError(what);
    return value;
}

double captionPlusOne(const Window& window, Control label)
{
    return checkedFloat(textToDouble(window.caption(label)) + 1.0, "a caption plus one");
}

}  // namespace kuvel
