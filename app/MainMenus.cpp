// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The menu bar: building the tree with its captions and shortcuts, wiring each item, keeping the
// check marks with their owners, and showing the captions anew in another language.
#include "MainMenus.h"

#include "AutomaticControl.h"
#include "Catalogues.h"
#include "Guarded.h"
#include "framework/SwitchBox.h"

#include <QApplication>
#include <QMenuBar>

namespace vozavero {

namespace {

void addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar, Experiment& experiment, Commands commands)
    : QObject(bar)
    , bar_(bar)
    , experiment_(experiment)
    , commands_(std::move(commands)) {
    buildFileMenu(bar);
    buildViewMenu(bar);
    buildEditMenu(bar);
    buildOptionsMenu(bar);
    QMenu* help = addMenu(bar, QStringLiteral("mnu_Help"), QT_TR_NOOP("&?"));
    QAction* about = addItem(help, QStringLiteral("mnu_HelpAbout"), QT_TR_NOOP("Info"),
                             QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, [this] { commands_.about(); });
    retranslate();

    connect(&experiment_, &Experiment::recordingChanged, recordAction_, &QAction::setChecked);
    connect(&experiment_, &Experiment::measuringIntervalChanged, this,
            &MainMenus::showIntervalChecks);
    showIntervalChecks(experiment_.settings().measuringInterval);
}

QAction* MainMenus::addItem(QMenu* menu, const QString& name, const char* caption,
                            const QKeySequence& shortcut) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
    }
    if (caption != nullptr) {
        captions_.emplace_back(a, caption);
    }
    return a;
}

QMenu* MainMenus::addMenu(QMenuBar* bar, const QString& name, const char* caption) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(name);
    captions_.emplace_back(menu->menuAction(), caption);
    return menu;
}

QMenu* MainMenus::addSubmenu(QMenu* parent, const QString& name, const char* caption) {
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName(name);
    captions_.emplace_back(menu->menuAction(), caption);
    return menu;
}

void MainMenus::retranslate() {
    bar_->setAccessibleName(tr("Menüleiste"));
    graphMenu_->setAccessibleName(tr("Graph kopieren und drucken"));
    for (const auto& [action, caption] : captions_) {
        action->setText(tr(caption));
    }
    for (int i = 0; i < SeriesCatalogue::kPageCount; ++i) {
        seriesActions_.at(static_cast<size_t>(i))
            ->setText(SeriesCatalogue::menuCaptionText(SeriesCatalogue::page(i)));
    }
    for (size_t i = 0; i < intervalActions_.size(); ++i) {
        intervalActions_.at(i)->setText(tr("%1 Sek.").arg(MeasuringInterval::kChoices.at(i)));
    }
    showLanguageChecks();
}

void MainMenus::buildFileMenu(QMenuBar* bar) {
    QMenu* file = addMenu(bar, QStringLiteral("mnu_File"), QT_TR_NOOP("&Datei"));
    QAction* restart = addItem(file, QStringLiteral("mnu_FileNew"), QT_TR_NOOP("&Neustart"),
                               QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(restart, &QAction::triggered, this,
            [this] { guarded([this] { experiment_.restartMeasurement(); }); });
    QAction* open = addItem(file, QStringLiteral("mnu_FileOpen"), QT_TR_NOOP("Messreihe &öffnen…"),
                            QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] { commands_.openSeries(); });
    QAction* save = addItem(file, QStringLiteral("mnu_FileSave"),
                            QT_TR_NOOP("Messreihe &speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { commands_.saveSeries(); });
    addSeparator(file, QStringLiteral("mnu_FileSep1"));
    QAction* quit = addItem(file, QStringLiteral("mnu_FileQuit"), QT_TR_NOOP("Programm &Beenden"),
                            QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, [this] { commands_.confirmQuit(); });
}

void MainMenus::buildViewMenu(QMenuBar* bar) {
    QMenu* view = addMenu(bar, QStringLiteral("mnu_View"), QT_TR_NOOP("&Ansicht"));
    const char* const modes[4] = {QT_TR_NOOP("&Normal"), QT_TR_NOOP("Prober + Graph"),
                                  QT_TR_NOOP("Einstellungen + Graph"),
                                  QT_TR_NOOP("Graph auf Vollbild")};
    for (int i = 0; i < 4; ++i) {
        QAction* a = addItem(view, QStringLiteral("mnu_ViewMode(%1)").arg(i), modes[i]);
        a->setCheckable(true);
        a->setChecked(i == 0);
        connect(a, &QAction::triggered, this, [this, i] { commands_.setViewMode(i); });
        viewModeActions_.at(static_cast<size_t>(i)) = a;
    }
    addSeparator(view, QStringLiteral("mnu_ViewSep1"));
    QMenu* series =
        addSubmenu(view, QStringLiteral("mnu_OptionsGraph"), QT_TR_NOOP("&Datenreihen"));
    for (int i = 0; i < SeriesCatalogue::kPageCount; ++i) {
        QAction* a = addItem(series, QStringLiteral("mnu_OptionsGraphTab(%1)").arg(i), nullptr);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] {
            guarded([&] { experiment_.selectSeries(i); });
            showSeriesChecks();
        });
        seriesActions_.at(static_cast<size_t>(i)) = a;
    }
    connect(view, &QMenu::aboutToShow, this, &MainMenus::showSeriesChecks);
    connect(series, &QMenu::aboutToShow, this, &MainMenus::showSeriesChecks);
}

void MainMenus::buildEditMenu(QMenuBar* bar) {
    // The edit menu exists with its commands but is never shown nor enabled, so neither its
    // items nor their shortcuts are offered. The graph's context menu offers the same commands,
    // without shortcuts.
    QMenu* edit = addMenu(bar, QStringLiteral("mnu_Edit"), QT_TR_NOOP("&Bearbeiten"));
    graphMenu_ = new QMenu(bar);
    graphMenu_->setObjectName(QStringLiteral("mnu_Graph"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        std::function<void()>& command;
    } items[] = {
        {"mnu_EditCopyGraph", QT_TR_NOOP("&Graphik kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C),
         commands_.copyGraph},
        {"mnu_EditPrintGraph", QT_TR_NOOP("Graph &drucken"), QKeySequence(Qt::CTRL | Qt::Key_P),
         commands_.printGraph},
        {"mnu_EditCopyTable",
         QT_TR_NOOP("&Stöße (Tabelle) in die Zwischenablage"),
         {},
         commands_.copyTable},
        {"mnu_EditPrintTable", QT_TR_NOOP("Tabelle &drucken"), {}, commands_.printTable},
    };
    for (const auto& item : items) {
        const QString name = QLatin1String(item.name);
        const QString graphName =
            QString(name).replace(QStringLiteral("mnu_Edit"), QStringLiteral("mnu_Graph"));
        if (name == QLatin1String("mnu_EditCopyTable")) {
            addSeparator(edit, QStringLiteral("mnu_EditSep1"));
            addSeparator(graphMenu_, QStringLiteral("mnu_GraphSep1"));
        }
        QAction* a = addItem(edit, name, item.caption, item.shortcut);
        const std::function<void()>* command = &item.command;
        connect(a, &QAction::triggered, this, [command] { (*command)(); });
        a->setEnabled(false);
        QAction* offered = addItem(graphMenu_, graphName, item.caption);
        connect(offered, &QAction::triggered, this, [command] { (*command)(); });
    }
    edit->menuAction()->setVisible(false);
    edit->menuAction()->setEnabled(false);
    edit->setEnabled(false);
}

void MainMenus::buildOptionsMenu(QMenuBar* bar) {
    QMenu* options = addMenu(bar, QStringLiteral("mnu_Options"), QT_TR_NOOP("&Einstellungen"));
    autoActiveAction_ =
        addItem(options, QStringLiteral("mnu_OptionsAutoActive"), QT_TR_NOOP("Automatik atkiv"));
    autoActiveAction_->setCheckable(true);
    connect(autoActiveAction_, &QAction::triggered, this, [this] { commands_.toggleAutomatic(); });
    QAction* automaticOptions =
        addItem(options, QStringLiteral("mnu_OptionsAuto"), QT_TR_NOOP("&Automatik-Optionen"),
                QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(automaticOptions, &QAction::triggered, this, [this] { commands_.automaticOptions(); });
    addSeparator(options, QStringLiteral("mnu_OptionsSep3"));
    recordAction_ = addItem(options, QStringLiteral("mnu_OptionsRecord"),
                            QT_TR_NOOP("&Messreihe aufnehmen"), QKeySequence(Qt::CTRL | Qt::Key_M));
    recordAction_->setCheckable(true);
    recordAction_->setChecked(experiment_.settings().recordingEnabled);
    connect(recordAction_, &QAction::triggered, this,
            [this] { experiment_.setRecording(!experiment_.settings().recordingEnabled); });
    addSeparator(options, QStringLiteral("mnu_OptionsSep1"));
    intervalMenu_ = addSubmenu(options, QStringLiteral("mnu_OptionsInterval"),
                               QT_TR_NOOP("&Aufzeichnungsintervall"));
    for (size_t i = 0; i < MeasuringInterval::kChoices.size(); ++i) {
        const std::int32_t seconds = MeasuringInterval::kChoices.at(i);
        QAction* a =
            addItem(intervalMenu_, QStringLiteral("mnu_OptionsIntervalSel(%1)").arg(i), nullptr);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this,
                [this, seconds] { experiment_.setMeasuringInterval(seconds); });
        intervalActions_.at(i) = a;
    }
    addSeparator(options, QStringLiteral("mnu_OptionsSep4"));
    buildLanguageMenu(options);
    // Tooltips carry what the entry of automatic mode tells while it steps nothing.
    options->setToolTipsVisible(true);
    connect(options, &QMenu::aboutToShow, this, [this] {
        showAutomaticEntry();
        showSeriesChecks();
        showLanguageChecks();
    });
}

void MainMenus::buildLanguageMenu(QMenu* options) {
    // One item per language the program has a catalogue for, each named in its own language.
    QMenu* language =
        addSubmenu(options, QStringLiteral("mnu_OptionsLanguage"), QT_TR_NOOP("&Sprache"));
    const QStringList languages = Catalogues::languages();
    for (qsizetype i = 0; i < languages.size(); ++i) {
        const QString code = languages.at(i);
        QAction* a = language->addAction(Catalogues::nativeName(code));
        a->setObjectName(QStringLiteral("mnu_OptionsLanguageSel(%1)").arg(i));
        a->setData(code);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, code] {
            commands_.chooseLanguage(code);
            showLanguageChecks();
        });
        languageActions_.push_back(a);
    }
}

void MainMenus::showViewMode(int mode) {
    for (int i = 0; i < 4; ++i) {
        viewModeActions_.at(static_cast<size_t>(i))->setChecked(i == mode);
    }
}

void MainMenus::showAutomaticEntry() {
    // As the box shows it: a tick while something is stepped, the box's partial tick while
    // automatic mode is on but steps nothing, no mark while it is off.
    const AutomaticMode& mode = experiment_.automatic();
    const bool idle = mode.on() && !mode.stepping();
    autoActiveAction_->setCheckable(!idle);
    autoActiveAction_->setChecked(mode.stepping());
    autoActiveAction_->setIcon(idle ? SwitchBox::idleMark(QApplication::style()) : QIcon());
    autoActiveAction_->setToolTip(idle ? AutomaticControl::idleText() : QString());
}

void MainMenus::showSeriesChecks() {
    for (int i = 0; i < SeriesCatalogue::kPageCount; ++i) {
        seriesActions_.at(static_cast<size_t>(i))->setChecked(i == experiment_.shownSeries());
    }
}

void MainMenus::showIntervalChecks(int seconds) {
    for (size_t i = 0; i < intervalActions_.size(); ++i) {
        intervalActions_.at(i)->setChecked(MeasuringInterval::kChoices.at(i) == seconds);
    }
}

void MainMenus::showLanguageChecks() {
    for (QAction* a : languageActions_) {
        a->setChecked(a->data().toString() == Catalogues::installed());
    }
}

void MainMenus::popupIntervalMenu(QPoint globalPosition) {
    intervalMenu_->popup(globalPosition);
}

void MainMenus::popupGraphMenu(QPoint globalPosition) {
    graphMenu_->popup(globalPosition);
}

} // namespace vozavero
