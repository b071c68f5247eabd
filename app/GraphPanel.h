// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The graph block: the tab control with its four data-series pages and their "Ausgleichsgerade"
// buttons, and the graph surface laid over the page area. Choosing a page and pressing the
// button are operations of the experiment; the surface shows the experiment's chosen series with
// its line, and is the picture that copy and print take.
#pragma once
#include "Experiment.h"
#include "Twips.h"
#include "chart/GraphView.h"
#include "framework/FrameworkServices.h"

#include <QObject>
#include <QPoint>
#include <array>

class QPushButton;
class QTabWidget;
class QWidget;

namespace vozavero {

class GraphPlotter;

class GraphPanel : public QObject {
    Q_OBJECT
public:
    /// Builds the tab control and the surface on parent at their design places.
    GraphPanel(Experiment& experiment, FrameworkServices& services, const Twips& twips,
               QWidget* parent);

    QTabWidget* tabs() const { return tabs_; }         ///< "tab_View"
    GraphPlotter* plotter() const { return plotter_; } ///< "PLOTTER"
    /// "but_LinearRegression(index)".
    QPushButton* regressionButton(int index) const {
        return buttons_.at(static_cast<size_t>(index));
    }
    /// The buttons in the order of the pages they sit on.
    std::array<QPushButton*, 4> buttonsByPage() const;
    const chart::GraphView& graphView() const { return graphView_; }

    /// Draws the chosen data series, with the regression line while it is shown.
    void redrawGraph();
    /// Puts each page's button flush with the right edge of the tab control.
    void placeButtons();
    /// Shows the pages' captions, the buttons and the tool tips in the language now in effect.
    void retranslate();

signals:
    /// A click on the graph surface (the window switches its view mode).
    void plotterClicked();
    /// A right-click or long press on the graph surface (the window opens the graph's menu).
    void plotterMenuRequested(QPoint globalPosition);

private:
    /// Shows the experiment's chosen page without counting it as the user's choice.
    void showPage(int page);
    void showRegression();

    Experiment& experiment_;
    FrameworkServices& services_;
    QTabWidget* tabs_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    GraphPlotter* plotter_ = nullptr;
    chart::GraphView graphView_;
};

} // namespace vozavero
