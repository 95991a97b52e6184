// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
#pragma once

class QWidget;

namespace kuvel::ui {

// The forms were laid out with the metrics of Liberation Sans. Where a wider sans
// stands in for it, a caption that would be cut off is drawn in a smaller size of
// its own font, just small enough to show it whole; where it fits, its designed
// size is kept. Call it again whenever the caption changes: each call starts from
// the designed size, so a shorter caption gets it back.
void fitCaption(QWidget& control);

// Every control of the window.
void fitCaptions(QWidget& window);

}  // namespace kuvel::ui
