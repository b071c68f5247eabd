// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The menu bar of the main window: its tree, captions, shortcuts and check marks, and the graph's
// context menu, which offers the copy and print commands of the hidden edit menu. Each item calls
// an operation of the experiment or one of the commands the window hands in; the check marks
// show their owners' state, read when a menu opens or told when the owner changes. The language
// menu offers every language the program has a catalogue for, each named in itself.
#pragma once
#include "Experiment.h"

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <array>
#include <functional>
#include <utility>
#include <vector>

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
        /// Shows the program in a language of Catalogues::languages() and remembers it.
        std::function<void(const QString&)> chooseLanguage;
    };

    MainMenus(QMenuBar* bar, Experiment& experiment, Commands commands);

    /// Puts the check mark on the item of view mode mode alone.
    void showViewMode(int mode);
    /// Opens the interval menu as a pop-up at globalPosition.
    void popupIntervalMenu(QPoint globalPosition);
    QMenu* intervalMenu() const { return intervalMenu_; }
    /// Shows every caption in the language now in effect, and checks that language.
    void retranslate();
    /// Opens the graph's context menu (copy and print) as a pop-up at globalPosition.
    void popupGraphMenu(QPoint globalPosition);
    QMenu* graphMenu() const { return graphMenu_; }

private:
    /// An item with the source of its caption (none for a caption set elsewhere).
    QAction* addItem(QMenu* menu, const QString& name, const char* caption,
                     const QKeySequence& shortcut = {});
    QMenu* addMenu(QMenuBar* bar, const QString& name, const char* caption);
    QMenu* addSubmenu(QMenu* parent, const QString& name, const char* caption);
    void buildFileMenu(QMenuBar* bar);
    void buildViewMenu(QMenuBar* bar);
    void buildEditMenu(QMenuBar* bar);
    void buildOptionsMenu(QMenuBar* bar);
    void buildLanguageMenu(QMenu* options);
    void showAutomaticEntry();
    void showSeriesChecks();
    void showIntervalChecks(int seconds);
    void showLanguageChecks();

    QMenuBar* bar_;
    Experiment& experiment_;
    Commands commands_;
    std::array<QAction*, 4> viewModeActions_{};
    std::array<QAction*, 4> seriesActions_{};
    QAction* autoActiveAction_ = nullptr;
    QAction* recordAction_ = nullptr;
    QMenu* intervalMenu_ = nullptr;
    QMenu* graphMenu_ = nullptr;
    std::array<QAction*, MeasuringInterval::kChoices.size()> intervalActions_{};
    std::vector<QAction*> languageActions_;
    /// Items and menus with the source texts of their captions.
    std::vector<std::pair<QAction*, const char*>> captions_;
};

} // namespace vozavero
