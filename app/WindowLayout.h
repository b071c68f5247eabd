// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Where the three blocks of the main window go for a view mode and a client size: the cylinder
// frame, the settings frame and the tab control with the graph surface laid over its page area.
// Pure arithmetic, so that every mode can be checked for any window size.
#pragma once
#include "Twips.h"

#include <QRect>
#include <QSize>

namespace vozavero {

struct WindowLayout {
    bool cylinderVisible = true;
    bool settingsVisible = true;
    QRect cylinder; ///< frm_KolbenHolder (only meaningful when visible)
    QRect settings; ///< frm_Options
    QRect tabs;     ///< tab_View
    QRect plotter;  ///< PLOTTER, over the page area of tab_View

    /// The layout for viewMode (0..3) in a client area of client pixels. frameWidth is the
    /// common width of the blocks, cylinderHeight and settingsHeight the frames' heights, all in
    /// pixels. Sizes that would come out negative are clamped to zero.
    static WindowLayout arrange(int viewMode, QSize client, const Twips& twips, int frameWidth,
                                int cylinderHeight, int settingsHeight);
};

} // namespace vozavero
