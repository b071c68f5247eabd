// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The automatic-mode options dialog ("frm_OptionsAuto"): start conditions (particle count, speed,
// volume) kept in step between text field, scroll bar and the experiment's engine copy at every
// keystroke, the choice of the stepped quantity with its period and step, and the three commands
// OK, abort and help. Its widgets are reset at every opening and filled from the experiment's
// automatic mode; OK confirms the choice to the experiment.
#pragma once
#include "Experiment.h"
#include "Twips.h"
#include "framework/FrameworkServices.h"

#include <QDialog>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace vozavero {

class OptionsAutoDialog : public QDialog {
    Q_OBJECT
public:
    /// Characters every number field holds.
    static constexpr int kFieldLength = 6;

    /// Edits the start conditions and confirms the choice through experiment; services provides
    /// the input aid and messages.
    OptionsAutoDialog(Experiment& experiment, FrameworkServices& services, const Twips& twips,
                      QWidget* parent = nullptr);

    /// Fills the window from the settings (the load handler) and shows it modally.
    int exec() override;
    /// Fills the widgets from the settings without showing the window (exec() does this first).
    void load();
    /// True only when this opening was closed by the OK command.
    bool resultOk() const { return resultOk_; }
    /// The command bar's click with the command text ("DIALOG.OK();", "DIALOG.ABORT();",
    /// "DIALOG.HELP();"; case is ignored, other texts do nothing).
    void command(const QString& text);

    QLineEdit* startField(int row) const { return scro_.at(static_cast<size_t>(row)); }
    QScrollBar* startScrollBar(int row) const { return schroll_.at(static_cast<size_t>(row)); }
    QRadioButton* option(int index) const { return auto_.at(static_cast<size_t>(index)); }
    QLineEdit* periodField(int slot) const { return zeit_.at(static_cast<size_t>(slot)); }
    QLineEdit* stepField(int slot) const { return anz_.at(static_cast<size_t>(slot)); }
    /// "Die Zeit muss größer als 0 sein", shown under the period column while the chosen row's
    /// period cannot step.
    QLabel* periodHint() const { return periodHint_; }

protected:
    /// A new language: every text is shown anew and the fields are laid over the new captions.
    void changeEvent(QEvent* event) override;

private:
    /// The option "Keine automatische Veränderung", after the three quantity slots.
    static constexpr int kNoOption = 3;

    // Construction (OptionsAutoDialogLayout.cpp).
    void build();
    void buildHeader();
    void buildStartConditions();
    void buildAutomatic();
    void buildCommandBar();
    /// A label whose text comes from text, shown anew in every language; it fits its words,
    /// and its height too unless the height is set from outside (fixedHeight).
    QLabel* caption(const char* name, std::function<QString()> text, bool fixedHeight = false);
    /// Shows every text in the language now in effect and fits the labels and fields to them.
    void retranslate();
    /// Lays the period and step fields over the runs of blanks in their option captions, as the
    /// current face measures them.
    void placeAutomaticFields();
    // Behaviour (OptionsAutoDialog.cpp).
    /// The texts and enabled states the widgets are created with.
    void resetFields();
    /// Selects option index (0..2 a quantity slot, 3 none) and enables its row's fields.
    void selectOption(int index);
    /// Shows the period hint while the chosen row's period is one that never steps (no number,
    /// 0, negative, or too short for a timer), and hides it otherwise.
    void showPeriodHint();
    /// The start-condition row's text changed: clamp and store, move the scroll bar, and show
    /// the clamped number unless the user is still typing.
    void startTextChanged(int row);
    /// The user left or confirmed the start field: a typed text is clamped and shown now.
    void confirmStartField(int row);
    /// The start-condition row's scroll bar moved: store and show the whole number.
    void startScrollChanged(int row);
    /// The input aid on the start field with caption, then the change handling.
    void startFieldClicked(int row, const QString& caption);
    void setStartValue(int row, double value);
    void centreOnScreen();

    Experiment& experiment_;
    FrameworkServices& services_;
    Twips twips_;
    bool resultOk_ = false;
    bool loading_ = false;
    /// How deeply the start-condition handlers are nested in each other: writing the field moves
    /// the scroll bar, which writes the field again. Every round settles after two steps; the
    /// limit only makes sure a fault can never recurse without end.
    int startChangeDepth_ = 0;
    std::array<QLineEdit*, 3> scro_{}; ///< rows 0 count, 1 speed, 2 volume
    std::array<QScrollBar*, 3> schroll_{};
    std::array<QRadioButton*, 4> auto_{}; ///< slots 0 count, 1 volume, 2 speed, 3 none
    std::array<QLineEdit*, 3> zeit_{};    ///< period fields by slot
    std::array<QLineEdit*, 3> anz_{};     ///< step fields by slot
    struct Caption {
        QLabel* label;
        std::function<QString()> text;
        bool fixedHeight;
    };
    std::vector<Caption> captions_;
    /// The buttons with their source texts (option "none", OK, abort, help).
    std::vector<std::pair<QAbstractButton*, const char*>> buttonTexts_;
    QLabel* periodHint_ = nullptr;
};

} // namespace vozavero
