// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The graph surface ("PLOTTER"): shows a persistent picture that the graph picture draws the
// selected chart on, with the regression line and its equation. A click on it (released where it
// was pressed, not dragged; a double-click counts once) asks the window to switch the view mode;
// a right-click, the menu key or a finger or pen held still on it asks for its context menu
// instead (and is no click).
// All positions are logical pixels; the picture itself has the screen's device pixels, so text
// and lines are sharp on scaled screens.
#pragma once
#include "GraphPicture.h"

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

namespace vozavero {

class GraphPlotter : public QWidget {
    Q_OBJECT
public:
    explicit GraphPlotter(QWidget* parent = nullptr);

    /// Clears the picture and draws chart over it; draws line from the x axis' minimum to its
    /// maximum (pure red, not clipped to the y range) and its equation when line is set.
    void redraw(const chart::Chart& chart, const std::optional<RegressionLine>& line);

    /// The graph in device pixels; its device pixel ratio is the screen's (or the one set).
    const QImage& picture() const { return picture_; }
    /// Device pixels per logical pixel of the picture: the screen's, or the one set.
    double pixelRatio() const;
    /// Draws at ratio device pixels per logical pixel whatever the screen says (0: follow the
    /// screen again); takes effect at the next redraw.
    void setPixelRatio(double ratio);
    /// The mapping from data values to pixels of the last redraw.
    const GraphPicture& mapping() const { return mapping_; }
    /// Pixel ends of the regression line of the last redraw (empty when none was drawn).
    std::optional<QLineF> lineEnds() const { return mapping_.lineEnds(); }
    /// Where the equation was written (empty when none).
    QRect equationRect() const { return mapping_.equationRect(); }

    /// Where the equation box goes; see GraphPicture::placeEquation.
    static QRect placeEquation(const QRectF& plotArea, const QSize& boxSize,
                               const std::vector<QPointF>& points,
                               const std::optional<QLineF>& line) {
        return GraphPicture::placeEquation(plotArea, boxSize, points, line);
    }

signals:
    void clicked();
    /// The context menu is wanted at globalPosition (screen coordinates).
    void menuRequested(QPoint globalPosition);
    /// The picture was resized; the window redraws the graph.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    /// Makes a white picture of the widget's size at the current ratio unless the picture has
    /// it already; true when it made one.
    bool makePicture();

    double fixedRatio_ = 0.0;
    QImage picture_;
    GraphPicture mapping_;
    /// A left press that may still become a click (not yet released, not dragged).
    bool clickPending_ = false;
    QPointF pressPosition_;
    /// Runs while a finger or pen rests where it was put down; when it ends, the press asks for
    /// the context menu.
    QTimer holdTimer_;
};

} // namespace vozavero
