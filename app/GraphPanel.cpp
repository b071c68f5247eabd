// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The graph block: tabs, regression buttons and graph surface at their design places; pages and
// the line chosen through the experiment; the graph redrawn whenever what it shows changed.
#include "GraphPanel.h"

#include "GraphPlotter.h"
#include "Guarded.h"
#include "framework/MarkedButton.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace vozavero {

namespace {

const QColor kWindowColour(27, 78, 175);
/// Which button of the array sits on which page.
constexpr std::array<int, 4> kButtonOfPage{2, 1, 0, 3};

} // namespace

GraphPanel::GraphPanel(Experiment& experiment, FrameworkServices& services, const Twips& twips,
                       QWidget* parent)
    : QObject(parent)
    , experiment_(experiment)
    , services_(services) {
    tabs_ = new QTabWidget(parent);
    tabs_->setObjectName(QStringLiteral("tab_View"));
    tabs_->setGeometry(twips.rect(120, 5820, 10995, 3555));
    tabs_->setAutoFillBackground(true);
    QPalette p = tabs_->palette();
    p.setColor(QPalette::Window, kWindowColour);
    tabs_->setPalette(p);
    for (int page = 0; page < SeriesCatalogue::kPageCount; ++page) {
        auto* w = new QWidget;
        w->setObjectName(QStringLiteral("tab_View_page(%1)").arg(page));
        tabs_->addTab(w, QString());
        const int index = kButtonOfPage.at(static_cast<size_t>(page));
        auto* b = new MarkedButton(QString(), tabs_);
        b->setObjectName(QStringLiteral("but_LinearRegression(%1)").arg(index));
        b->resize(twips.x(1935), twips.y(315));
        connect(b, &QPushButton::clicked, this, [this] { showRegression(); });
        buttons_.at(static_cast<size_t>(index)) = b;
    }
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int page) { guarded([&] { experiment_.selectSeries(page); }); });
    // A press on the page already shown counts as a click on the page as well: it takes the
    // regression line away, as a change of page does.
    connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int page) {
        if (page == tabs_->currentIndex() && experiment_.shownRegression()) {
            guarded([&] { experiment_.hideRegression(); });
        }
    });

    plotter_ = new GraphPlotter(parent);
    plotter_->setObjectName(QStringLiteral("PLOTTER"));
    plotter_->setGeometry(twips.rect(180, 6180, 10845, 3075));
    retranslate();
    connect(plotter_, &GraphPlotter::clicked, this, &GraphPanel::plotterClicked);
    connect(plotter_, &GraphPlotter::menuRequested, this, &GraphPanel::plotterMenuRequested);
    connect(plotter_, &GraphPlotter::resized, this, [this] { guarded([this] { redrawGraph(); }); });
    showPage(experiment_.shownSeries());

    const auto redraw = [this] { guarded([this] { redrawGraph(); }); };
    connect(&experiment_, &Experiment::seriesSelected, this, &GraphPanel::showPage);
    connect(&experiment_, &Experiment::regressionChanged, this, redraw);
    connect(&experiment_, &Experiment::seriesReplaced, this, redraw);
    connect(&experiment_, &Experiment::intervalClosed, this, redraw);
    connect(&experiment_, &Experiment::chartsRetitled, this, redraw);
}

void GraphPanel::retranslate() {
    tabs_->setAccessibleName(tr("Datenreihen"));
    tabs_->tabBar()->setAccessibleName(tr("Datenreihe wählen"));
    for (int page = 0; page < SeriesCatalogue::kPageCount; ++page) {
        const QString caption = SeriesCatalogue::tabCaptionText(SeriesCatalogue::page(page));
        tabs_->setTabText(page, caption);
        tabs_->widget(page)->setAccessibleName(caption);
    }
    for (QPushButton* b : buttons_) {
        b->setText(tr("Ausgleichsgerade"));
        b->setAccessibleDescription(
            tr("Zeichnet die Ausgleichsgerade durch die Messwerte der gewählten Datenreihe"));
    }
    plotter_->setToolTip(tr("Klicke hier um die Ansicht umzuschalten"));
    plotter_->setAccessibleName(tr("Graph der Messreihe"));
    plotter_->setAccessibleDescription(
        tr("Ein Klick schaltet die Ansicht um; ein Rechtsklick oder langes Drücken öffnet ein Menü "
           "zum Kopieren und Drucken."));
    // The tab bar names its scroll buttons only when it is made, in the toolkit's words.
    const std::pair<const char*, const char*> scrollButtons[] = {
        {"ScrollLeftButton", "Scroll Left"}, {"ScrollRightButton", "Scroll Right"}};
    for (const auto& [name, text] : scrollButtons) {
        if (auto* button = tabs_->tabBar()->findChild<QToolButton*>(QLatin1String(name))) {
            button->setAccessibleName(QCoreApplication::translate("QTabBar", text));
        }
    }
}

std::array<QPushButton*, 4> GraphPanel::buttonsByPage() const {
    std::array<QPushButton*, 4> byPage{};
    for (size_t page = 0; page < byPage.size(); ++page) {
        byPage.at(page) = buttons_.at(static_cast<size_t>(kButtonOfPage.at(page)));
    }
    return byPage;
}

void GraphPanel::showPage(int page) {
    {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(page);
    }
    const std::array<QPushButton*, 4> byPage = buttonsByPage();
    for (size_t i = 0; i < byPage.size(); ++i) {
        byPage.at(i)->setVisible(static_cast<int>(i) == page);
        byPage.at(i)->raise();
    }
    guarded([this] { redrawGraph(); });
}

void GraphPanel::showRegression() {
    guarded([this] {
        switch (experiment_.showRegression()) {
        case Experiment::RegressionRefusal::TooFewPoints:
            services_.message(tr("Du kannst erst eine Ausgleichsgerade einzeichnen lassen, wenn "
                                 "mindestens zwei Werte eingezeichnet wurden."));
            return;
        case Experiment::RegressionRefusal::SameX:
            services_.message(
                tr("Alle Messwerte liegen beim selben x-Wert. Für eine Ausgleichsgerade müssen "
                   "mindestens zwei verschiedene Werte eingestellt worden sein."));
            return;
        case Experiment::RegressionRefusal::None:
            return; // the experiment tells that the line changed
        }
    });
}

void GraphPanel::redrawGraph() {
    plotter_->redraw(experiment_.charts().chartFor(experiment_.shownSeries()),
                     experiment_.shownRegression());
    graphView_.setPicture(plotter_->picture());
}

void GraphPanel::placeButtons() {
    for (QPushButton* b : buttons_) {
        b->move(tabs_->width() - b->width(), 0);
        b->raise();
    }
}

} // namespace vozavero
