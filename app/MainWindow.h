#pragma once
// The main window ("frm_AppMain"): a view of one experiment (the widget-free core that holds the
// settings, engine, measuring state, series, automatic steps, regression and restart). It builds
// every control, maps them to the experiment, draws it, and keeps the view mode. Its handlers run
// one at a time between two loop passes; a numerical error in a handler ends that handler and the
// program runs on.
//
// The class is implemented in several files by concern: construction of the controls
// (MainWindow.cpp), start-up (MainWindowStartup.cpp), menus and quitting (MainWindowMenus.cpp),
// particles, piston and gauges (MainWindowSimulation.cpp), measuring, graph and restart
// (MainWindowMeasurement.cpp), automatic mode (MainWindowAutomatic.cpp), and keyboard and
// assistive technology (MainWindowAccess.cpp).
#include "Clock.h"
#include "CommandLine.h"
#include "Experiment.h"
#include "GaugePanel.h"
#include "MeasurementCharts.h"
#include "MeasuringInterval.h"
#include "ParticleEngine.h"
#include "Regression.h"
#include "SimulationSettings.h"
#include "Twips.h"
#include "chart/DocumentManager.h"
#include "chart/DocumentOpener.h"
#include "chart/GraphView.h"
#include "chart/PrintAdaptor.h"
#include "framework/FrameworkServices.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace vozavero {

class CylinderView;
class GraphPlotter;
class LoopStats;
class OptionsAutoDialog;
class PictureBox;
class ScaledPicture;
class PistonPicture;
class SimulationLoop;
class TitledFrame;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    /// What the window needs from outside; tests pass scripted ones.
    struct Environment {
        FrameworkServices* services = nullptr;
        const Clock* clock = nullptr;
        RandomSource* random = nullptr;
        CommandLine commandLine;
        /// Whether another instance is already running (asked only in start-up step 1).
        std::function<bool()> otherInstanceRunning;
        /// Ends the program at once (the loop calls it when quitting was requested).
        std::function<void()> quit;
        /// Twips per pixel of the screen.
        Twips twips;

        /// An environment for a single window on this screen: no other instance, quitting does
        /// nothing until the caller sets it.
        static Environment of(FrameworkServices& services, const Clock& clock,
                              RandomSource& random);
    };

    explicit MainWindow(Environment environment, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The load handler: single-instance test, start values, charts, gauges, window shown
    /// maximised, timers armed. Returns false when the program must end (second instance).
    bool formLoad();

    // Shared operations of the window.
    /// Re-initialises the particles: flag 0 = a fresh set, any other value keeps the particles.
    void initialiseParticles(float flag);
    /// Keeps the piston glued to the right edge of the cylinder (and caps the width at 500).
    void placePiston();
    /// Sets the cylinder width to w pixels and lets gauge, particles and piston follow.
    void applyPistonWidth(double w);
    /// Redraws the bar and read-out of a quantity slot (0 count, 1 volume, 2 speed).
    void refreshGauge(int slot);
    /// Turns the bar of a gauge into its value and applies it.
    void applyGaugeValue(GaugeId gauge);
    /// Redraws the selected data series, with the regression line while it is shown.
    void redrawGraph();
    /// Lays out the blocks for the view mode and the window size.
    void arrangeWindow();
    /// Starts a new measurement series ("&Neustart").
    void restartMeasurement();
    /// Closes a measuring interval when this second completes it (the KollZaehl tick).
    void measuringTick();
    /// Sets the measuring interval and the check marks of the interval menu.
    void setMeasuringInterval(int seconds);
    /// Asks whether to quit; Yes requests the end of the program.
    void confirmQuit();
    /// The "Ausgleichsgerade" button.
    void showRegression();
    /// One automatic step of a quantity slot.
    void automaticStep(int slot);
    /// The options flow: the options dialog, then applying its result.
    void openAutomaticOptions();
    /// One pass-driven frame of the cylinder with the live read-out.
    void drawFrame(bool counted);

    // Commands of the hidden edit menu and saving.
    void copyGraph();
    void printGraph();
    void copyTable();
    void printTable();
    /// Tells the user where a print went when it went to a PDF file, or that it failed.
    void reportPrint(bool printed);
    void saveSeries();
    /// "Messreihe öffnen…": replaces the series by a saved one, shown as if measured, with
    /// recording switched off so that the running simulation does not overwrite it.
    void openSeries();

    // State, for the loop and for tests.
    SimulationSettings& settings() { return settings_; }
    ParticleEngine& engine() { return engine_; }
    MeasurementCharts& charts() { return *charts_; }
    MeasuringInterval& interval() { return interval_; }
    chart::DocumentManager& documentManager() { return documentManager_; }
    chart::DocumentOpener& documentOpener() { return documentOpener_; }
    chart::PrintAdaptor& printAdaptor() { return *printAdaptor_; }
    std::int32_t& stepSize() { return stepSize_; }
    bool quitRequested() const { return quitRequested_; }
    int viewMode() const { return viewMode_; }
    void setViewMode(int mode);
    bool regressionShown() const { return experiment_.shownRegression().has_value(); }
    double regressionSlope() const { return experiment_.lastRegression().slope; }
    double regressionIntercept() const { return experiment_.lastRegression().intercept; }
    /// The cylinder width in pixels ("the width of Bild").
    double cylinderWidth() const { return experiment_.cylinderWidth(); }
    Experiment& experiment() { return experiment_; }
    SimulationLoop* loop() const { return loop_.get(); }
    GaugePanel* gauge(int id) const { return gauges_.at(static_cast<size_t>(id)); }
    QTimer* automaticTimer(int slot) const { return automatik_.at(static_cast<size_t>(slot)); }
    OptionsAutoDialog* optionsDialog() const { return optionsDialog_.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (MainWindow.cpp).
    void buildControls();
    void buildCylinderFrame();
    void buildSettingsFrame();
    void buildTabs();
    QLabel* makeReadout(const QString& name, const QRect& rect, QWidget* parent);
    /// The piston's hooks: its value is the cylinder width, its changes the syringe rule.
    PistonPicture* makePiston(const ScaledPicture& picture);

    // Keyboard and assistive technology (MainWindowAccess.cpp).
    /// Names and descriptions of the controls, the gauges' value sources and the tab order.
    void buildAccessibility();
    /// Gives the live read-outs their spoken text (caption and value), once per interval.
    void announceReadouts();
    /// Gives read-out ANZ(index) the spoken text of value, if it changed.
    void announceReadout(size_t index, const QString& value);
    /// The interval read-out as a keyboard control: focus mark, and keys that open its menu.
    bool intervalReadoutEvent(QEvent* event);
    /// Resizes the cylinder picture to the experiment's cylinder width (whole pixels).
    void fitCylinderPicture();

    // Menus (MainWindowMenus.cpp).
    void buildMenus();
    void updateViewMenuChecks();
    void updateOptionsMenuChecks();
    void toggleRecordingFromMenu();

    // Start-up (MainWindowStartup.cpp).
    void devTrace(const QString& label);
    void applyStartValues();
    /// Shows the three quantities of the settings on gauges, cylinder and piston.
    void showQuantities();

    // Piston (MainWindowSimulation.cpp).
    void interiorPointer(double x, double y);
    void containerPointer(double x, double y);
    void updateLiveReadout();

    // Automatic mode (MainWindowAutomatic.cpp).
    void automaticToggled(bool checked);
    void startAutomaticTimer(int slot);
    void applyStartConditionsFromEngine();
    /// Digits after the point the read-out of a quantity slot shows: those of its confirmed start
    /// value or of its automatic step, whichever has more.
    int readoutDecimals(int slot) const;

    // Runs a handler; a numerical error ends it without ending the program.
    void guarded(const std::function<void()>& handler);

    Environment env_;
    FrameworkServices& services_;
    Experiment experiment_;
    // The experiment's parts, under the names the handlers use.
    SimulationSettings& settings_;
    ParticleEngine& engine_;
    MeasurementCharts* charts_;
    MeasuringInterval& interval_;
    std::int32_t& stepSize_;
    chart::GraphView graphView_;
    std::unique_ptr<chart::PrintAdaptor> printAdaptor_;
    chart::DocumentManager documentManager_;
    chart::DocumentOpener documentOpener_;
    std::unique_ptr<SimulationLoop> loop_;
    /// The statistics line on standard error, only when asked for (VOZAVERO_LOOP_STATS=1).
    std::unique_ptr<LoopStats> loopStats_;
    std::unique_ptr<OptionsAutoDialog> optionsDialog_;

    bool quitRequested_ = false;
    int viewMode_ = 0;
    /// Hold-ups of the loop already taken into account by the measuring interval.
    long holdUpsSeen_ = 0;
    bool firstPaintDone_ = false;

    // Controls.
    QWidget* client_ = nullptr;
    TitledFrame* kolbenHolder_ = nullptr;
    PictureBox* kolben_ = nullptr;
    CylinderView* bild_ = nullptr;
    PictureBox* schieber_ = nullptr;
    TitledFrame* options_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QCheckBox* automatic_ = nullptr;
    QCheckBox* record_ = nullptr;
    QPushButton* optionsButton_ = nullptr;
    std::array<QLabel*, 5> anz_{};
    std::array<GaugePanel*, 4> gauges_{};
    QTabWidget* tabs_ = nullptr;
    std::array<QPushButton*, 4> regressionButtons_{};
    GraphPlotter* plotter_ = nullptr;

    // Timers.
    QTimer* tmrGo_ = nullptr;
    QTimer* kollZaehl_ = nullptr;
    std::array<QTimer*, 3> automatik_{};

    // Menu actions.
    QAction* fileNew_ = nullptr;
    QAction* fileOpen_ = nullptr;
    QAction* fileSave_ = nullptr;
    QAction* fileQuit_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::array<QAction*, 4> viewModeActions_{};
    std::array<QAction*, 4> graphTabActions_{};
    QMenu* editMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QAction* autoActiveAction_ = nullptr;
    QAction* autoOptionsAction_ = nullptr;
    QAction* recordAction_ = nullptr;
    QMenu* intervalMenu_ = nullptr;
    std::array<QAction*, 5> intervalActions_{};
};

} // namespace vozavero
