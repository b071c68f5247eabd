#pragma once
// The menu bar of the main window: its tree, captions, shortcuts and check marks, and the graph's
// context menu, which offers the copy and print commands of the hidden edit menu. Each item calls
// an operation of the experiment or one of the commands the window hands in; the check marks
// show their owners' state, read when a menu opens or told when the owner changes.
#include "Experiment.h"

#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace vozavero {

class MainMenus : public QObject {
    Q_OBJECT
public:
    /// What the items do beyond operations of the experiment.
    struct Commands {
        std::function<void()> openSeries;
        std::function<void()> saveSeries;
        std::function<void()> confirmQuit;
        std::function<void(int)> setViewMode;
        std::function<void()> copyGraph;
        std::function<void()> printGraph;
        std::function<void()> copyTable;
        std::function<void()> printTable;
        std::function<void()> toggleAutomatic;
        std::function<void()> automaticOptions;
        std::function<void()> about;
    };

    MainMenus(QMenuBar* bar, Experiment& experiment, Commands commands);

    /// Puts the check mark on the item of view mode mode alone.
    void showViewMode(int mode);
    /// Opens the interval menu as a pop-up at globalPosition.
    void popupIntervalMenu(QPoint globalPosition);
    QMenu* intervalMenu() const { return intervalMenu_; }
    /// Opens the graph's context menu (copy and print) as a pop-up at globalPosition.
    void popupGraphMenu(QPoint globalPosition);
    QMenu* graphMenu() const { return graphMenu_; }

private:
    void buildFileMenu(QMenuBar* bar);
    void buildViewMenu(QMenuBar* bar);
    void buildEditMenu(QMenuBar* bar);
    void buildOptionsMenu(QMenuBar* bar);
    void showAutomaticEntry();
    void showSeriesChecks();
    void showIntervalChecks(int seconds);

    Experiment& experiment_;
    Commands commands_;
    std::array<QAction*, 4> viewModeActions_{};
    std::array<QAction*, 4> seriesActions_{};
    QAction* autoActiveAction_ = nullptr;
    QAction* recordAction_ = nullptr;
    QMenu* intervalMenu_ = nullptr;
    QMenu* graphMenu_ = nullptr;
    std::array<QAction*, MeasuringInterval::kChoices.size()> intervalActions_{};
};

} // namespace vozavero
