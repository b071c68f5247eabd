#pragma once
// The automatic-mode options dialog ("frm_OptionsAuto"): start conditions (particle count, speed,
// volume) kept in step between text field, scroll bar and the engine's copy at every keystroke,
// the choice of the stepped quantity with its period and step, and the three commands OK, abort
// and help. Its widgets are rebuilt at every opening from the automatic-mode settings.
#include "AutoModeSettings.h"
#include "CylinderGeometry.h"
#include "Twips.h"
#include "framework/FrameworkServices.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace vozavero {

class OptionsAutoDialog : public QDialog {
    Q_OBJECT
public:
    /// autoMode and engineCopy are edited in place; services provides the input aid and messages.
    OptionsAutoDialog(AutoModeSettings& autoMode, EngineCopy& engineCopy,
                      FrameworkServices& services, const Twips& twips, QWidget* parent = nullptr);

    /// Builds the window from the settings (the load handler) and shows it modally.
    int exec() override;
    /// Builds the widgets from the settings without showing the window (exec() does this first).
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

private:
    void build();
    void selectOption(int index);
    void startTextChanged(int row);
    void startScrollChanged(int row);

    AutoModeSettings& autoMode_;
    EngineCopy& engineCopy_;
    FrameworkServices& services_;
    Twips twips_;
    bool resultOk_ = false;
    bool loading_ = false;
    std::array<QLineEdit*, 3> scro_{};      ///< rows 0 count, 1 speed, 2 volume
    std::array<QScrollBar*, 3> schroll_{};
    std::array<QRadioButton*, 4> auto_{};   ///< slots 0 count, 1 volume, 2 speed, 3 none
    std::array<QLineEdit*, 3> zeit_{};      ///< period fields by slot
    std::array<QLineEdit*, 3> anz_{};       ///< step fields by slot
};

} // namespace vozavero
