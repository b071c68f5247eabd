// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The program in English, switched through the language menu while the simulation runs: every
// text of the window and the options dialog has its English (that every text of the catalogue has
// one is the translation check's) and each control a name; switching keeps every particle, point
// and setting. Files name their charts, not their titles, so either language opens them.
#include "AppFixture.h"
#include "Catalogues.h"
#include "OptionsAutoDialog.h"
#include "ToolkitTexts.h"
#include "framework/TitledFrame.h"

#include <QAccessible>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace vozavero {

namespace {

/// Every text a person or assistive technology meets on top, by where it is and which it is:
/// title, tip, accessible name and description, frame caption, tabs.
QMap<QString, QString> walk(QWidget* top) {
    QMap<QString, QString> texts;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        const QString where = w->objectName().isEmpty()
                                  ? QStringLiteral("%1#%2").arg(w->metaObject()->className()).arg(i)
                                  : w->objectName();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        auto* frame = qobject_cast<TitledFrame*>(w);
        QStringList found{w->isWindow() ? w->windowTitle() : QString(), w->toolTip(),
                          a ? a->text(QAccessible::Name) : QString(),
                          a ? a->text(QAccessible::Description) : QString(),
                          frame ? frame->caption() : QString()};
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int t = 0; t < tabs->count(); ++t) {
                found << tabs->tabText(t);
            }
        }
        for (int k = 0; k < found.size(); ++k) {
            if (!found[k].isEmpty()) {
                texts.insert(QStringLiteral("%1 %2").arg(where).arg(k), found[k]);
            }
        }
    }
    for (QAction* a : top->findChildren<QAction*>()) {
        const QObject* named = a->menu() != nullptr ? static_cast<QObject*>(a->menu()) : a;
        texts.insert(named->objectName() + " item", a->text());
    }
    return texts;
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

TEST_F(EnglishWindowTest, EveryTextHasItsEnglishAndSwitchingWhileRunningKeepsEveryFact) {
    OptionsAutoDialog dialog(window->experiment(), services, Twips{15.0, 15.0}, window.get());
    dialog.load();
    const QMap<QString, QString> german = everyText(&dialog);
    ASSERT_GT(german.size(), 200);
    for (QWidget* w : window->findChildren<QWidget*>()) { // what takes the focus is named
        if (w->isVisible() && w->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(
                QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty())
                << w->objectName().toStdString();
        }
    }
    chooseLanguage(1);
    const QMap<QString, QString> english = everyText(&dialog);
    EXPECT_EQ(english.keys(), german.keys());
    // Proper names, and the language menu's items, each named in its own language.
    const QStringList sameInBoth{"OK", "Nimbra // Vozavero Simulator", "Vozavero", "Deutsch",
                                 "English"};
    const QRegularExpression words(QStringLiteral("\\p{L}{2,}"));
    for (auto [where, text] : german.asKeyValueRange()) {
        if (text.contains(words) && !sameInBoth.contains(text)) {
            EXPECT_NE(english.value(where), text) << where.toStdString() << " is still German";
        }
    }
    EXPECT_EQ(english.value("frm_Options 4"), "Settings and numbers");
    EXPECT_EQ(german.value("Panel3D1(0) 3"), "Teilchenzahl (Stoffmenge), 5, von 2 bis 50");
    EXPECT_EQ(german.value("pic_Schieber 3"), "Schieber (Fläche), 250, von 50 bis 500");
    EXPECT_EQ(english.value("Panel3D1(0) 3"),
              "Particle count (amount of substance), 5, from 2 to 50");
    EXPECT_EQ(english.value("pressureCountChart title"), "Impacts (pressure) and particle count");
    chooseLanguage(0); // back in German, every text is exactly what it was
    EXPECT_EQ(everyText(&dialog), german);

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
    const QString before = stateOf(*window);
    ASSERT_TRUE(window->experiment().shownRegression().has_value());

    chooseLanguage(1); // while it runs
    EXPECT_EQ(stateOf(*window), before);
    advance(2.0);
    const QString running = stateOf(*window);
    EXPECT_NE(running, before) << "the simulation goes on in English";
    EXPECT_EQ(text("ANZ(1)"), "1 s") << "the live read-outs follow the language";
    chooseLanguage(0);
    EXPECT_EQ(stateOf(*window), running);
}

} // namespace vozavero
