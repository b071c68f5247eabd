// The program in English, switched through the language menu while the simulation runs: every
// text of the window, the options dialog and each kind of message has its English, switching
// keeps every particle, point and setting, and a series saved in one language opens in the other.
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
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cerrno>

namespace vozavero {

namespace {

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
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        const QString where = w->objectName().isEmpty()
                                  ? QStringLiteral("%1#%2").arg(w->metaObject()->className()).arg(i)
                                  : w->objectName();
        add(where + " title", w->isWindow() ? w->windowTitle() : QString());
        add(where + " tip", w->toolTip());
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
            add(where + " name", a->text(QAccessible::Name));
            add(where + " description", a->text(QAccessible::Description));
        }
        if (auto* frame = qobject_cast<TitledFrame*>(w)) {
            add(where + " caption", frame->caption());
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int t = 0; t < tabs->count(); ++t) {
                add(where + QStringLiteral(" tab %1").arg(t), tabs->tabText(t));
            }
        }
    }
    for (QAction* a : top->findChildren<QAction*>()) {
        const QObject* named = a->menu() != nullptr ? static_cast<QObject*>(a->menu()) : a;
        add(named->objectName() + " item", a->text());
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
        ToolkitTexts::install(QStringLiteral("en")); // as the test program started
        AppFixture::TearDown();
    }
    /// Picks item index of the language menu and lets the windows hear of it.
    void chooseLanguage(int index) {
        if (window) {
            trigger(QStringLiteral("mnu_OptionsLanguageSel(%1)").arg(index));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QMap<QString, QString> everyText(QWidget* dialog) const {
        QMap<QString, QString> texts = walk(window.get());
        const chart::ChartDocument& doc = window->experiment().document();
        for (int i = 0; i < doc.chartCount(); ++i) {
            const chart::Chart& c = doc.chart(i);
            texts.insert(c.name() + " title", c.title());
            texts.insert(c.name() + " x", c.xAxis().title);
            texts.insert(c.name() + " y", c.yAxis().title);
        }
        for (auto [where, text] : walk(dialog).asKeyValueRange()) {
            texts.insert("dialog " + where, text);
        }
        return texts;
    }
};

TEST_F(EnglishWindowTest, EveryTextOfTheWindowTheOptionsDialogAndEachMessageHasItsEnglish) {
    OptionsAutoDialog dialog(window->experiment(), services, Twips{15.0, 15.0}, window.get());
    dialog.load();
    QTemporaryDir dir;
    window->files().printAdaptor().usePdfFolder(dir.path());
    const auto last = [this] { return services.messages.value(services.messages.size() - 1); };
    const std::vector<std::function<QString()>> messages = {
        [&] { return window->confirmQuit(), services.questions.last(); },
        [&] { return find<QPushButton>("but_LinearRegression(2)")->click(), last(); },
        [&] { return window->files().printTable(), last(); },
        [&] { return window->files().openFile(dir.filePath("fehlt.kpx")), last(); },
        [&] { return dialog.command(QStringLiteral("DIALOG.HELP();")), last(); },
        [&] {
            QString error;
            chart::ChartFile::fromText(QStringLiteral("VOZAVERO-KPX 2\n"), &error);
            return error;
        },
        [&] {
            QString error;
            chart::AtomicFile::write(dir.path(), "x", &error);
            return error;
        },
        [&] { return chart::SaveFailure::reason(ENOSPC, dir.filePath("a.kpx")); },
    };
    const QMap<QString, QString> german = everyText(&dialog);
    ASSERT_GT(german.size(), 200);
    QStringList germanMessages;
    for (const auto& message : messages) {
        germanMessages << message();
        EXPECT_TRUE(hasWords(germanMessages.last())) << germanMessages.size();
    }

    chooseLanguage(1);
    EXPECT_TRUE(find<QAction>("mnu_OptionsLanguageSel(1)")->isChecked());
    EXPECT_FALSE(find<QAction>("mnu_OptionsLanguageSel(0)")->isChecked());
    const QMap<QString, QString> english = everyText(&dialog);
    EXPECT_EQ(english.keys(), german.keys());
    // Proper names, and the language menu's items, each named in its own language.
    const QStringList sameInBoth{"OK", "Nimbra // Vozavero Simulator", "Vozavero", "Deutsch",
                                 "English"};
    for (auto [where, text] : german.asKeyValueRange()) {
        if (hasWords(text) && !sameInBoth.contains(text)) {
            EXPECT_NE(english.value(where), text) << where.toStdString() << " is still German";
        }
    }
    EXPECT_EQ(english.value("frm_Options caption"), "Settings and numbers");
    EXPECT_EQ(english.value("Panel3D1(0) description"),
              "Particle count (amount of substance), 5, from 2 to 50");
    for (size_t i = 0; i < messages.size(); ++i) {
        const QString message = messages[i]();
        EXPECT_NE(message, germanMessages.at(static_cast<qsizetype>(i))) << message.toStdString();
    }

    chooseLanguage(0); // back in German, every text is exactly what it was
    EXPECT_EQ(everyText(&dialog), german);
}

TEST_F(EnglishWindowTest, SwitchingWhileTheSimulationRunsKeepsEveryParticlePointAndSetting) {
    window->timers().loop()->start();
    window->experiment().setQuantity(QuantityId::Speed, 7, ChangeOrigin::Gauge);
    trigger("mnu_OptionsIntervalSel(0)"); // 1 s
    for (const double count : {10.0, 20.0}) {
        setCount(count);
        advance(3.0);
    }
    find<QPushButton>("but_LinearRegression(2)")->click();
    window->experiment().setAutomaticOn(true);
    window->setViewMode(2);
    const auto state = [this] { return stateOf(*window); };
    const QString before = state();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());

    chooseLanguage(1);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().title(),
              "Impacts (pressure) and particle count");
    EXPECT_EQ(text("Bezeichnung5"), "Last impacts:");
    advance(2.0);
    const QString running = state();
    EXPECT_NE(running, before) << "the simulation goes on in English";
    EXPECT_EQ(text("ANZ(1)"), "1 s") << "the live read-outs follow the language";
    chooseLanguage(0);
    EXPECT_EQ(state(), running);
    EXPECT_EQ(text("Bezeichnung5"), "Letze Aufprallwerte:");
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
    for (const double count : {10.0, 20.0, 30.0}) {
        setCount(count);
        closeInterval(static_cast<int>(count) * 7);
    }
    const auto measured = points();
    // Opened in the other language, with the axis titles of that language.
    for (const auto& [language, name, timeAxis] :
         {std::tuple(1, "particles.kpx", "Zeit"), std::tuple(0, "teilchen.kpx", "Time")}) {
        chooseLanguage(language);
        target = dir.filePath(name);
        trigger("mnu_FileSave");
        EXPECT_TRUE(offered.endsWith(QLatin1Char('/') + name)) << offered.toStdString();
        chooseLanguage(1 - language);
        trigger("mnu_FileNew");
        trigger("mnu_FileOpen");
        EXPECT_TRUE(services.messages.isEmpty()) << services.messages.join(u'\n').toStdString();
        EXPECT_EQ(points(), measured);
        EXPECT_EQ(window->experiment().charts().pressureTimeChart().xAxis().title, timeAxis);
    }
}

} // namespace vozavero
