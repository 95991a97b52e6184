// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kuvel::fuzz {

// A broken property is a crash to libFuzzer, which then keeps the input that did it.
inline void require(bool holds, const char* property, std::string_view input)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\ninput: \"%.*s\"\n", property, static_cast<int>(input.size()),
                 input.data());
    std::abort();
}

}  // namespace kuvel::fuzz
