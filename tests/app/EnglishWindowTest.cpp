// The program in English, switched through the language menu while the simulation runs: every
// text of the window, the options dialog and the messages has its English, switching keeps every
// particle, point and setting, and a series saved in one language opens in the other.
#include "AppFixture.h"
#include "Catalogues.h"
#include "OptionsAutoDialog.h"
#include "SimulationLoop.h"
#include "ToolkitTexts.h"
#include "chart/AtomicFile.h"
#include "chart/ChartFile.h"
#include "chart/SaveFailure.h"
#include "framework/TitledFrame.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>

namespace vozavero {

namespace {

/// Texts that are the same in both languages: proper names, and the language menu's items,
/// each named in its own language.
const QStringList kSameInBoth{"OK", "Nimbra // Vozavero Simulator", "Vozavero", "Deutsch",
                              "English"};

/// Where a widget is: the chain of object names (or class and place) from the window.
QString placeOf(const QObject* object, const QObject* top) {
    QStringList chain;
    for (const QObject* o = object; o != nullptr && o != top; o = o->parent()) {
        chain.prepend(!o->objectName().isEmpty()
                          ? o->objectName()
                          : QStringLiteral("%1#%2")
                                .arg(QLatin1String(o->metaObject()->className()))
                                .arg(o->parent() ? o->parent()->children().indexOf(o) : 0));
    }
    return chain.join(u'/');
}

/// Every text a person or assistive technology meets on top (a window), by where it is.
QMap<QString, QString> walk(QWidget* top) {
    QMap<QString, QString> texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty()) {
            texts.insert(where, text);
        }
    };
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (w->window() != top) {
            continue; // another window's
        }
        const QString where = placeOf(w, top);
        add(where + QStringLiteral(" title"), w->isWindow() ? w->windowTitle() : QString());
        add(where + QStringLiteral(" tip"), w->toolTip());
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
            add(where + QStringLiteral(" name"), a->text(QAccessible::Name));
            add(where + QStringLiteral(" description"), a->text(QAccessible::Description));
        }
        if (auto* frame = qobject_cast<TitledFrame*>(w)) {
            add(where + QStringLiteral(" caption"), frame->caption());
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(where + QStringLiteral(" tab %1").arg(i), tabs->tabText(i));
            }
        }
    }
    for (QAction* a : top->findChildren<QAction*>()) {
        const QObject* named = a->menu() != nullptr ? static_cast<QObject*>(a->menu()) : a;
        if (!named->objectName().isEmpty()) {
            add(named->objectName() + QStringLiteral(" item"), a->text());
        }
    }
    return texts;
}

bool hasWords(const QString& text) {
    static const QRegularExpression letters(QStringLiteral("\\p{L}{2,}"));
    return text.contains(letters);
}

} // namespace

class EnglishWindowTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        ASSERT_EQ(Catalogues::installed(), QStringLiteral("de"));
        chooseLanguage(0); // as the program starts in German: the toolkit's texts German too
    }
    void TearDown() override {
        chooseLanguage(0);
        // Back to how the test program started: the toolkit's own English texts.
        ToolkitTexts::install(QStringLiteral("en"));
        AppFixture::TearDown();
    }
    /// Picks item index of the language menu and lets the windows hear of it (and nothing else
    /// happen meanwhile: no timer runs).
    void chooseLanguage(int index) {
        if (window) {
            find<QAction>(QStringLiteral("mnu_OptionsLanguageSel(%1)").arg(index))->trigger();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QMap<QString, QString> chartTexts() const {
        QMap<QString, QString> texts;
        const chart::ChartDocument& doc = window->experiment().document();
        for (int i = 0; i < doc.chartCount(); ++i) {
            const chart::Chart& c = doc.chart(i);
            texts.insert(c.name() + QStringLiteral(" title"), c.title());
            texts.insert(c.name() + QStringLiteral(" x"), c.xAxis().title);
            texts.insert(c.name() + QStringLiteral(" y"), c.yAxis().title);
        }
        return texts;
    }
    QMap<QString, QString> everyText(QWidget* dialog) const {
        QMap<QString, QString> texts = walk(window.get());
        texts.insert(chartTexts());
        for (auto [where, text] : walk(dialog).asKeyValueRange()) {
            texts.insert(QStringLiteral("dialog ") + where, text);
        }
        return texts;
    }
};

TEST_F(EnglishWindowTest, EveryTextOfTheWindowAndTheOptionsDialogHasItsEnglish) {
    OptionsAutoDialog dialog(window->experiment(), services, Twips{15.0, 15.0}, window.get());
    dialog.load();
    const QMap<QString, QString> german = everyText(&dialog);
    ASSERT_GT(german.size(), 200);
    EXPECT_EQ(german.value("client/frm_Options caption"),
              QStringLiteral("Einstellungen und Zahlen"));

    chooseLanguage(1);
    EXPECT_TRUE(find<QAction>("mnu_OptionsLanguageSel(1)")->isChecked());
    EXPECT_FALSE(find<QAction>("mnu_OptionsLanguageSel(0)")->isChecked());
    const QMap<QString, QString> english = everyText(&dialog);
    EXPECT_EQ(english.keys(), german.keys());
    for (auto [where, text] : german.asKeyValueRange()) {
        if (hasWords(text) && !kSameInBoth.contains(text)) {
            EXPECT_NE(english.value(where), text) << where.toStdString() << " is still German";
        }
    }
    EXPECT_EQ(english.value("client/frm_Options caption"), QStringLiteral("Settings and numbers"));
    EXPECT_EQ(english.value("client/frm_Options/Panel3D1(0) description"),
              QStringLiteral("Particle count (amount of substance), 5, from 2 to 50"));

    // Back in German, every text is exactly what it was.
    chooseLanguage(0);
    EXPECT_EQ(everyText(&dialog), german);
}

TEST_F(EnglishWindowTest, EveryMessageHasItsEnglish) {
    QTemporaryDir dir;
    window->files().printAdaptor().usePdfFolder(dir.path());
    const auto lastMessage = [this] {
        return services.messages.value(services.messages.size() - 1);
    };
    const auto readError = [](const char* text) {
        QString error;
        chart::ChartFile::fromText(QString::fromUtf8(text), &error);
        return error;
    };
    /// Opens the file name in the test folder, after saving doc there when given.
    const auto openMessage = [&](const chart::ChartDocument* doc, const QString& name) {
        const QString path = dir.filePath(name);
        if (doc != nullptr) {
            chart::ChartFile::save(*doc, path);
        }
        window->files().openFile(path);
        return lastMessage();
    };
    const QString header =
        QStringLiteral("VOZAVERO-KPX 1\ndocument\tVozavero\ndefaultFileName\t\n");
    const std::vector<std::pair<const char*, std::function<QString()>>> messages = {
        {"quit",
         [&] {
             window->confirmQuit();
             return services.questions.last();
         }},
        {"line without points",
         [&] {
             find<QPushButton>("but_LinearRegression(2)")->click();
             return lastMessage();
         }},
        {"line through one x",
         [&] {
             ExperimentProbe::addPoint(window->experiment(), ChartId::PressureCount, 5, 1);
             ExperimentProbe::addPoint(window->experiment(), ChartId::PressureCount, 5, 2);
             find<QPushButton>("but_LinearRegression(2)")->click();
             find<QAction>("mnu_FileNew")->trigger();
             return lastMessage();
         }},
        {"print to PDF",
         [&] {
             window->files().printTable();
             return lastMessage();
         }},
        {"missing file", [&] { return openMessage(nullptr, QStringLiteral("fehlt.kpx")); }},
        {"other document",
         [&] {
             chart::ChartDocument other(QStringLiteral("x"));
             other.addChart(QStringLiteral("x"));
             return openMessage(&other, QStringLiteral("other.kpx"));
         }},
        {"impossible values",
         [&] {
             chart::ChartDocument odd(QStringLiteral("Vozavero"));
             for (const SeriesCatalogue::Entry& entry : SeriesCatalogue::charts()) {
                 odd.addChart(QLatin1String(entry.name));
             }
             odd.chart(0).append(-1, 0);
             return openMessage(&odd, QStringLiteral("odd.kpx"));
         }},
        {"unsaved points",
         [&] {
             const QString path = dir.filePath(QStringLiteral("saved.kpx"));
             chart::ChartFile::save(window->experiment().document(), path);
             closeInterval(3);
             window->files().openFile(path);
             return services.questions.last();
         }},
        {"unknown format",
         [&] {
             QString reported;
             window->files().documentManager().setErrorReporter(
                 [&reported](const QString& text) { reported = text; });
             window->files().documentManager().save(
                 window->experiment().document(), dir.filePath(QStringLiteral("a.kpx")), false, 7);
             return reported;
         }},
        {"options help",
         [&] {
             OptionsAutoDialog dialog(window->experiment(), services, Twips{}, window.get());
             dialog.command(QStringLiteral("DIALOG.HELP();"));
             return lastMessage();
         }},
        {"not ours", [&] { return readError("hello"); }},
        {"newer", [&] { return readError("VOZAVERO-KPX 2\n"); }},
        {"incomplete", [&] { return readError("VOZAVERO-KPX 1\n"); }},
        {"faulty record", [&] { return readError("VOZAVERO-KPX 1\ndocuments\tx\n"); }},
        {"bad text", [&] { return readError("VOZAVERO-KPX 1\ndocument\t\\x\n"); }},
        {"bad whole number",
         [&] { return readError(qPrintable(header + QStringLiteral("charts\t01\n"))); }},
        {"lines after the end",
         [&] { return readError(qPrintable(header + QStringLiteral("charts\t0\nend\nmore\n"))); }},
        {"bad number",
         [&] {
             return readError(qPrintable(header + QStringLiteral("charts\t1\nchart\tc\n"
                                                                 "xAxis\tt\ts\tx\t1\n")));
         }},
        {"bad colour",
         [&] {
             return readError(qPrintable(header + QStringLiteral("charts\t1\nchart\tc\n"
                                                                 "xAxis\tt\ts\t0\t1\n"
                                                                 "yAxis\tt\ts\t0\t1\n"
                                                                 "curve\tred\t1\t1\t0\t1\n")));
         }},
        {"missing points",
         [&] {
             return readError(qPrintable(header + QStringLiteral("charts\t1\nchart\tc\n"
                                                                 "xAxis\tt\ts\t0\t1\n"
                                                                 "yAxis\tt\ts\t0\t1\n"
                                                                 "curve\t#ff0000\t1\t1\t0\t1\n"
                                                                 "points\t1\n")));
         }},
        {"point line",
         [&] {
             return readError(qPrintable(header + QStringLiteral("charts\t1\nchart\tc\n"
                                                                 "xAxis\tt\ts\t0\t1\n"
                                                                 "yAxis\tt\ts\t0\t1\n"
                                                                 "curve\t#ff0000\t1\t1\t0\t1\n"
                                                                 "points\t1\n1\n")));
         }},
        {"save into a folder",
         [&] {
             QString error;
             chart::AtomicFile::write(dir.path(), "x", &error);
             return error;
         }},
    };
    std::vector<std::pair<const char*, std::function<QString()>>> all = messages;
    for (const int error : {ENOSPC, EACCES, EROFS, ENOENT, EISDIR, ENAMETOOLONG, EIO}) {
        all.emplace_back("save failure", [error, &dir] {
            return chart::SaveFailure::reason(error, dir.filePath(QStringLiteral("a.kpx")));
        });
    }

    QStringList german;
    for (const auto& [name, message] : all) {
        german << message();
    }
    chooseLanguage(1);
    for (size_t i = 0; i < all.size(); ++i) {
        const QString english = all.at(i).second();
        EXPECT_TRUE(hasWords(german.at(static_cast<qsizetype>(i)))) << all.at(i).first;
        EXPECT_NE(english, german.at(static_cast<qsizetype>(i)))
            << all.at(i).first << ": " << english.toStdString();
    }
}

TEST_F(EnglishWindowTest, SwitchingWhileTheSimulationRunsKeepsEveryParticlePointAndSetting) {
    window->timers().loop()->start();
    window->experiment().setQuantity(QuantityId::Speed, 7, ChangeOrigin::Gauge);
    find<QAction>("mnu_OptionsIntervalSel(0)")->trigger(); // 1 s
    for (const double count : {10.0, 20.0}) {
        setCount(count);
        advance(3.0);
    }
    find<QPushButton>("but_LinearRegression(2)")->click();
    window->experiment().setAutomaticOn(true);
    window->setViewMode(2);
    const auto state = [this] {
        const Experiment& e = window->experiment();
        QStringList facts;
        for (const Particle& p : e.engine().particles()) {
            facts << QStringLiteral("%1 %2 %3").arg(p.x).arg(p.y).arg(p.direction);
        }
        for (int i = 0; i < e.document().chartCount(); ++i) {
            for (const QPointF& p : e.document().chart(i).points()) {
                facts << QStringLiteral("%1: %2 %3").arg(i).arg(p.x()).arg(p.y());
            }
        }
        const SimulationSettings& s = e.settings();
        facts << QStringLiteral("settings %1 %2 %3 %4 %5 %6")
                     .arg(s.particleCount)
                     .arg(s.speed)
                     .arg(s.pistonPosition)
                     .arg(s.measuringInterval)
                     .arg(s.recordingEnabled)
                     .arg(e.engine().impactCount());
        facts << QStringLiteral("graph %1 %2 %3 %4 %5")
                     .arg(e.shownSeries())
                     .arg(e.shownRegression().has_value())
                     .arg(e.lastRegression().slope)
                     .arg(e.automatic().on())
                     .arg(window->viewMode());
        return facts;
    };
    const QStringList before = state();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());

    chooseLanguage(1);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().title(),
              QStringLiteral("Impacts (pressure) and particle count"));
    EXPECT_EQ(text("Bezeichnung5"), QStringLiteral("Last impacts:"));
    advance(2.0);
    const QStringList running = state();
    EXPECT_NE(running, before) << "the simulation goes on in English";
    EXPECT_EQ(text("ANZ(1)"), QStringLiteral("1 s")) << "the live read-outs follow the language";

    chooseLanguage(0);
    EXPECT_EQ(state(), running);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().title(),
              QStringLiteral("Stöße (Druck) und Teilchenzahl"));
    EXPECT_EQ(text("Bezeichnung5"), QStringLiteral("Letze Aufprallwerte:"));
}

TEST_F(EnglishWindowTest, ASeriesSavedInOneLanguageOpensInTheOther) {
    QTemporaryDir dir;
    QString offered;
    QString target;
    window->files().documentManager().setFileChooser([&](const QString& suggested) {
        offered = suggested;
        return target;
    });
    window->files().documentOpener().setFileChooser([&](const QString&) { return target; });
    const auto points = [this] {
        std::vector<std::vector<QPointF>> all;
        const chart::ChartDocument& doc = window->experiment().document();
        for (int i = 0; i < doc.chartCount(); ++i) {
            all.push_back(doc.chart(i).points());
        }
        return all;
    };
    const auto keys = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (!line.startsWith(QStringLiteral("xAxis")) &&
                !line.startsWith(QStringLiteral("yAxis")) &&
                !line.startsWith(QStringLiteral("defaultFileName"))) {
                lines << line;
            }
        }
        return lines;
    };
    for (const double count : {10.0, 20.0, 30.0}) {
        setCount(count);
        closeInterval(static_cast<int>(count) * 7);
    }
    const auto measured = points();

    chooseLanguage(1);
    target = dir.filePath(QStringLiteral("english.kpx"));
    find<QAction>("mnu_FileSave")->trigger();
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/particles.kpx"))) << offered.toStdString();
    chooseLanguage(0);
    find<QAction>("mnu_FileNew")->trigger();
    find<QAction>("mnu_FileOpen")->trigger();
    EXPECT_TRUE(services.messages.isEmpty()) << services.messages.join(u'\n').toStdString();
    EXPECT_EQ(points(), measured);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().xAxis().title,
              QStringLiteral("Vozavero"));
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().xAxis().title,
              QStringLiteral("Zeit"));

    target = dir.filePath(QStringLiteral("deutsch.kpx"));
    find<QAction>("mnu_FileSave")->trigger();
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/teilchen.kpx"))) << offered.toStdString();
    // The files differ in the axis titles and the offered name alone; the chart names are the
    // same keys.
    EXPECT_EQ(keys(dir.filePath(QStringLiteral("deutsch.kpx"))),
              keys(dir.filePath(QStringLiteral("english.kpx"))));
    chooseLanguage(1);
    find<QAction>("mnu_FileNew")->trigger();
    find<QAction>("mnu_FileOpen")->trigger();
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(points(), measured);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().xAxis().title,
              QStringLiteral("Time"));
}

} // namespace vozavero
