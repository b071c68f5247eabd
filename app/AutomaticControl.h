// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The window's side of automatic mode: the handling of the check box "Automatik aktiv" and of
// its menu entry, and the options flow with its dialog. Decides when the dialog must come first
// (automatic mode never configured), and hands every outcome to the experiment, whose state the
// box and the menu then show.
#pragma once
#include "Experiment.h"
#include "Twips.h"
#include "framework/FrameworkServices.h"

#include <QObject>
#include <memory>

class QWidget;

namespace vozavero {

class OptionsAutoDialog;

class AutomaticControl : public QObject {
    Q_OBJECT
public:
    /// window parents the dialog.
    AutomaticControl(Experiment& experiment, FrameworkServices& services, const Twips& twips,
                     QWidget* window);
    ~AutomaticControl() override;

    /// The tick of "Automatik aktiv" changed to checked.
    void boxToggled(bool checked);
    /// "Automatik atkiv" in the menu: the tick inverted, then handled as above.
    void toggle();
    /// The options flow: the dialog, then, after an OK, its start conditions applied and the
    /// chosen quantity stepped.
    void openOptions();

    /// The dialog once it was opened (it is kept between openings).
    OptionsAutoDialog* dialog() const { return dialog_.get(); }

    /// What the box and its menu entry tell while automatic mode is on but steps nothing.
    static QString idleText();

private:
    Experiment& experiment_;
    FrameworkServices& services_;
    Twips twips_;
    QWidget* window_;
    std::unique_ptr<OptionsAutoDialog> dialog_;
};

} // namespace vozavero
