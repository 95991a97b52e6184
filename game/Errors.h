// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

#include "Messages.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace kuvel {

// The run-time errors a handler can meet. None is caught inside the game: each ends
// the handler where it is raised and reaches runHandler, which reports it. Each
// keeps its details as a message, so the report reaches the player in their
// language; what() gives them in English.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(Phrase details)
        : std::runtime_error(fillPlaceholders(englishText(details.id), details.values)),
          details_(std::move(details))
    {
    }
    [[nodiscard]] const Phrase& details() const { return details_; }

private:
    Phrase details_;
};

class TypeMismatch : public RuntimeError {
public:
    explicit TypeMismatch(const std::string& text) : RuntimeError({Message::TypeMismatch, {text}}) {}
};

class Overflow : public RuntimeError {
public:
    // id is one of the messages starting "Overflow"; value fills its placeholder.
    Overflow(Message id, const std::string& value) : RuntimeError({id, {value}}) {}
};

class FloatingPointError : public RuntimeError {
public:
    explicit FloatingPointError(const std::string& what) : RuntimeError({Message::FloatingPointError, {what}}) {}
};

// A window asked for a control it does not have: a fault in the program, reported
// in English as it is.
class ControlError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace kuvel
