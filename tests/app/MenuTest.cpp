// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The menu bar: tree and captions, shortcuts, and the graph's context menu with the hidden edit
// menu's commands.
#include "AppFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

namespace vozavero {

class MenuTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(k), m);
    }
    static QStringList captions(const QList<QAction*>& actions) {
        QStringList out;
        for (QAction* a : actions) {
            out << (a->isSeparator() ? QString("-") : a->text());
        }
        return out;
    }
    QStringList captions(const char* menu) const { return captions(find<QMenu>(menu)->actions()); }
};

TEST_F(MenuTest, TreeAndCaptionsAreInOrder) {
    QStringList tree = captions(window->menuBar()->actions());
    for (const char* menu : {"mnu_File", "mnu_View", "mnu_Options"}) {
        tree << "|" << captions(menu);
    }
    EXPECT_EQ(tree.join(u';'), "&Datei;&Ansicht;&Bearbeiten;&Einstellungen;&?;|;&Neustart;"
                               "Messreihe &öffnen…;Messreihe &speichern;-;Programm &Beenden;|;"
                               "&Normal;Prober + Graph;Einstellungen + Graph;Graph auf Vollbild;-;"
                               "&Datenreihen;|;Automatik atkiv;&Automatik-Optionen;-;"
                               "&Messreihe aufnehmen;-;&Aufzeichnungsintervall;-;&Sprache");
    EXPECT_EQ(captions("mnu_OptionsLanguage").mid(0, 2), QStringList({"Deutsch", "English"}));
    EXPECT_FALSE(find<QMenu>("mnu_Edit")->menuAction()->isVisible());
}

TEST_F(MenuTest, ShortcutsReachTheirCommands) {
    key(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(services.aboutCount, 1);
    key(Qt::Key_M);
    EXPECT_FALSE(window->experiment().settings().recordingEnabled);
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureTime, 0, 1);
    key(Qt::Key_N);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);
    int openChoices = 0;
    window->files().documentOpener().setFileChooser([&](const QString&) {
        ++openChoices;
        return QString();
    });
    key(Qt::Key_O);
    EXPECT_EQ(openChoices, 1);
    services.answers = {FrameworkServices::kAnswerNo, FrameworkServices::kAnswerYes};
    key(Qt::Key_Q);
    EXPECT_EQ(services.questions.last(), "Wollen Sie das Programm wirklich beenden?");
    EXPECT_FALSE(window->quitRequested());
    key(Qt::Key_Q);
    EXPECT_TRUE(window->quitRequested());
}

TEST_F(MenuTest, ARightClickOnTheGraphOffersTheEditCommandsAndKeepsTheView) {
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureTime, 5, 100.0 / 3.0);
    auto* plotter = find("PLOTTER");
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      plotter->mapTo(window.get(), plotter->rect().center()));
    QMenu* menu = find<QMenu>("mnu_Graph");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(captions("mnu_Graph"),
              QStringList({"&Graphik kopieren", "Graph &drucken", "-",
                           "&Stöße (Tabelle) in die Zwischenablage", "Tabelle &drucken"}));
    EXPECT_EQ(window->viewMode(), 0);
    trigger("mnu_GraphCopyTable");
    EXPECT_EQ(QApplication::clipboard()->text(),
              window->experiment().charts().pressureTimeChart().tableText());
    menu->close();
}

} // namespace vozavero
