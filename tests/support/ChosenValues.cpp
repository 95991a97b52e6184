// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#include "ChosenValues.h"

#include <stdexcept>

namespace kuvel::test {

float ChosenValues::next()
{
    if (values_.empty())
        throw std::logic_error("the test drew more random values than it queued");
    const float value = values_.front();
    values_.pop_front();
    return value;
}

void ChosenValues::queueFaces(const std::vector<int>& faces)
{
    // The middle of the face's sixth of [0, 1).
    for (int face : faces)
        values_.push_back((static_cast<float>(face) - 0.5f) / 6.0f);
}

void ChosenValues::queueValues(std::initializer_list<float> values)
{
    values_.insert(values_.end(), values);
}

}  // namespace kuvel::test
