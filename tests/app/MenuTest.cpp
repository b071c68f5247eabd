// The menu bar: tree and captions, shortcuts (including the hidden edit menu's, which must not
// fire), the graph's context menu with the edit menu's commands, check marks refreshed when a
// menu opens, and the about box.
#include "AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>

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
    QStringList captions(QMenu* menu) const {
        QStringList out;
        for (QAction* a : menu->actions()) {
            out << (a->isSeparator() ? QString("-") : a->text());
        }
        return out;
    }
};

TEST_F(MenuTest, TreeAndCaptionsAreInOrder) {
    QStringList top;
    for (QAction* a : window->menuBar()->actions()) {
        top << a->text();
    }
    EXPECT_EQ(top, QStringList({"&Datei", "&Ansicht", "&Bearbeiten", "&Einstellungen", "&?"}));
    EXPECT_EQ(captions(find<QMenu>("mnu_File")),
              QStringList({"&Neustart", "Messreihe &öffnen…", "Messreihe &speichern", "-",
                           "Programm &Beenden"}));
    EXPECT_EQ(captions(find<QMenu>("mnu_View")),
              QStringList({"&Normal", "Prober + Graph", "Einstellungen + Graph",
                           "Graph auf Vollbild", "-", "&Datenreihen"}));
    EXPECT_EQ(captions(find<QMenu>("mnu_Options")),
              QStringList({"Automatik atkiv", "&Automatik-Optionen", "-", "&Messreihe aufnehmen",
                           "-", "&Aufzeichnungsintervall", "-", "&Sprache"}));
    EXPECT_EQ(captions(find<QMenu>("mnu_OptionsLanguage")).mid(0, 2),
              QStringList({"Deutsch", "English"}));
    QMenu* edit = find<QMenu>("mnu_Edit");
    EXPECT_FALSE(edit->menuAction()->isVisible());
    EXPECT_FALSE(edit->menuAction()->isEnabled());
}

TEST_F(MenuTest, QuitAsksAndOnlyYesEnds) {
    services.answers = {FrameworkServices::kAnswerNo};
    key(Qt::Key_Q);
    ASSERT_EQ(services.questions.size(), 1);
    EXPECT_FALSE(window->quitRequested());
    services.answers = {FrameworkServices::kAnswerYes};
    key(Qt::Key_Q);
    EXPECT_TRUE(window->quitRequested());
}

TEST_F(MenuTest, ShortcutsReachTheirCommands) {
    key(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(services.aboutCount, 1);

    key(Qt::Key_M);
    EXPECT_FALSE(window->experiment().settings().recordingEnabled);
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_FALSE(find<QAction>("mnu_OptionsRecord")->isChecked());
    key(Qt::Key_M);
    EXPECT_TRUE(window->experiment().settings().recordingEnabled);

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
}

TEST_F(MenuTest, HiddenEditMenuShortcutsDoNotFire) {
    QApplication::clipboard()->setText("unverändert");
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureTime, 0, 1);
    key(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "unverändert");
    int triggered = 0;
    for (const char* name : {"mnu_EditCopyGraph", "mnu_EditPrintGraph"}) {
        QObject::connect(find<QAction>(name), &QAction::triggered, [&] { ++triggered; });
    }
    key(Qt::Key_C);
    key(Qt::Key_P);
    EXPECT_EQ(triggered, 0);
}

TEST_F(MenuTest, ARightClickOnTheGraphOffersTheEditCommandsAndKeepsTheView) {
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureTime, 5, 100.0 / 3.0);
    QApplication::clipboard()->setText("unverändert");
    auto* plotter = find<QWidget>("PLOTTER");
    const int mode = window->viewMode();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      plotter->mapTo(window.get(), plotter->rect().center()));

    QMenu* menu = find<QMenu>("mnu_Graph");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(captions(menu),
              QStringList({"&Graphik kopieren", "Graph &drucken", "-",
                           "&Stöße (Tabelle) in die Zwischenablage", "Tabelle &drucken"}));
    EXPECT_EQ(window->viewMode(), mode);
    find<QAction>("mnu_GraphCopyTable")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              window->experiment().charts().pressureTimeChart().tableText());
    menu->close();
    // The edit menu itself stays hidden.
    EXPECT_FALSE(find<QMenu>("mnu_Edit")->menuAction()->isVisible());
}

TEST_F(MenuTest, PrintsWithoutAPrinterSayWhereTheirNumberedPdfFilesAre) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    window->files().printAdaptor().usePdfFolder(dir.path());
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureTime, 5, 100.0 / 3.0);
    window->files().printTable();
    window->files().printTable();
    ASSERT_EQ(services.messages.size(), 2);
    for (const char* name : {"teilchen.pdf", "teilchen-2.pdf"}) {
        EXPECT_TRUE(QFileInfo::exists(QDir(dir.path()).filePath(name))) << name;
    }
    EXPECT_TRUE(
        services.messages[0].startsWith(QStringLiteral("Es ist kein Drucker eingerichtet")));
    EXPECT_TRUE(services.messages[0].endsWith(
        QDir::toNativeSeparators(QDir(dir.path()).filePath("teilchen.pdf"))));
    EXPECT_TRUE(services.messages[1].endsWith(
        QDir::toNativeSeparators(QDir(dir.path()).filePath("teilchen-2.pdf"))));
}

TEST_F(MenuTest, CheckMarksFollowWhenTheMenusOpen) {
    auto* tabs = find<QTabWidget>("tab_View");
    tabs->setCurrentIndex(3);
    QMenu* view = find<QMenu>("mnu_View");
    emit view->aboutToShow();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsGraphTab(%1)").arg(i))->isChecked(), i == 3);
    }
    find<QAction>("mnu_OptionsGraphTab(2)")->trigger();
    EXPECT_EQ(tabs->currentIndex(), 2);

    AutomaticChoice stepCount;
    stepCount.active = {true, false, false};
    stepCount.period = {1.0, 0.0, 0.0};
    window->experiment().confirmAutomaticChoice(stepCount, {5, 2, 250}); // configured once
    find<QCheckBox>("opt_Automatic")->setChecked(true);
    emit find<QMenu>("mnu_Options")->aboutToShow();
    EXPECT_TRUE(find<QAction>("mnu_OptionsAutoActive")->isChecked());
}

} // namespace vozavero
