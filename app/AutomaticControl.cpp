// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Automatic mode in the window: the box, its menu entry and the options flow.
#include "AutomaticControl.h"

#include "Guarded.h"
#include "OptionsAutoDialog.h"

namespace vozavero {

AutomaticControl::AutomaticControl(Experiment& experiment, FrameworkServices& services,
                                   const Twips& twips, QWidget* window)
    : QObject(window)
    , experiment_(experiment)
    , services_(services)
    , twips_(twips)
    , window_(window) {}

AutomaticControl::~AutomaticControl() = default;

void AutomaticControl::boxToggled(bool checked) {
    guarded([&] {
        if (checked && !experiment_.automatic().configured()) {
            // Never configured: the dialog comes first, and an abort leaves the box unchecked.
            openOptions();
            if (!experiment_.automatic().configured()) {
                experiment_.setAutomaticOn(false);
                return;
            }
        }
        experiment_.setAutomaticOn(checked);
    });
}

void AutomaticControl::toggle() {
    boxToggled(!experiment_.automatic().on());
}

void AutomaticControl::openOptions() {
    if (!dialog_) {
        dialog_ = std::make_unique<OptionsAutoDialog>(experiment_, services_, twips_, window_);
    }
    dialog_->exec();
    if (!dialog_->resultOk() || !experiment_.automatic().configured()) {
        return;
    }
    guarded([this] { experiment_.runConfirmedAutomatic(); });
}

QString AutomaticControl::idleText() {
    return tr("Die Automatik ist eingeschaltet, ändert aber keinen Wert.\nWähle unter „Optionen“ "
              "eine Größe und eine Zeit größer als 0.");
}

} // namespace vozavero
