// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "Handler.h"

#include "Errors.h"

#include <string>

namespace kuvel {

Value errorDetails(const std::exception& error)
{
    if (const auto* runtimeError = dynamic_cast<const RuntimeError*>(&error))
        return runtimeError->details();
    return std::string(error.what());
}

}  // namespace kuvel
