// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Draws a chart with a painter on an image. The layout is worked out from font metrics alone
// (margins, label widths, caption heights) before anything is painted, and the mapping kept
// afterwards is the one the painting used. Lines one pixel wide lie on pixel centres, so grid and
// axes are sharp at ratio 1 and 2 alike.
#include "GraphPicture.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace vozavero {

namespace {

const QColor kGridColour(215, 215, 215);
const QColor kLineColour(255, 0, 0);
constexpr int kLineWidth = 2;
constexpr int kTickLength = GraphLayout::kTickLength;
constexpr int kLabelGap = GraphLayout::kLabelGap;
constexpr int kTitleGap = GraphLayout::kTitleGap;
// Gap between the equation box and the plot area's edges, pixels.
constexpr int kBoxMargin = 6;
// Gap between the equation text and its box's border, pixels.
constexpr int kTextPadding = 5;
// A point closer than this to the equation box counts as covered (marker radius), pixels.
constexpr double kPointRadius = 6.0;

/// The centre of the pixel row or column that holds coordinate c: a line one pixel wide drawn
/// there covers whole pixels.
double sharp(double c) {
    return std::floor(c) + 0.5;
}

// The part of line inside rect (Liang-Barsky); empty when the line misses rect.
std::optional<QLineF> clipLine(const QLineF& line, const QRectF& rect) {
    const double dx = line.dx();
    const double dy = line.dy();
    double t0 = 0.0;
    double t1 = 1.0;
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {line.x1() - rect.left(), rect.right() - line.x1(),
                                     line.y1() - rect.top(), rect.bottom() - line.y1()};
    for (size_t i = 0; i < p.size(); ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    return QLineF(line.pointAt(t0), line.pointAt(t1));
}

bool isFinite(const QLineF& line) {
    return std::isfinite(line.x1()) && std::isfinite(line.y1()) && std::isfinite(line.x2()) &&
           std::isfinite(line.y2());
}

} // namespace

void GraphPicture::draw(const chart::Chart& chart, const std::optional<RegressionLine>& line,
                        QImage& target) {
    lineEnds_.reset();
    equationRect_ = QRect();
    const QSize size = target.deviceIndependentSize().toSize().expandedTo(QSize(1, 1));
    layout_.arrange(chart, size, fitToData_);

    QPainter painter;
    if (target.isNull() || !painter.begin(&target)) {
        return;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), target.deviceIndependentSize()), Qt::white);
    paintAxes(painter, chart, size);
    paintCurve(painter, chart);
    if (line) {
        // The ends of the x axis as drawn: the chart's own, unless widened or fitted.
        const double x1 = layout_.xScale().minimum();
        const double x2 = layout_.xScale().maximum();
        lineEnds_ = QLineF(mapX(x1), mapY(line->slope * x1 + line->intercept), mapX(x2),
                           mapY(line->slope * x2 + line->intercept));
        paintLine(painter, *line, size);
    }
}

void GraphPicture::paintAxes(QPainter& painter, const chart::Chart& chart, QSize size) const {
    const QRectF plot = layout_.plotArea();
    const std::vector<Tick>& xTicks = layout_.xTicks();
    const std::vector<Tick>& yTicks = layout_.yTicks();
    const QFont& xTitleFont = layout_.xTitleFont();
    const QFont& yTitleFont = layout_.yTitleFont();
    // Vertical lines cover the rows of the plot and the x axis' row below it; horizontal lines
    // the plot's columns and the column right of it, where a tick at the maximum lands.
    const double top = plot.top();
    const double bottom = plot.bottom() + 1;
    const double left = plot.left();
    const double right = plot.right() + 1;
    const double xAxisRow = sharp(plot.bottom());
    const double yAxisColumn = sharp(plot.left());

    painter.setPen(QPen(kGridColour, 1, Qt::SolidLine, Qt::FlatCap));
    for (const Tick& tick : xTicks) {
        const double x = sharp(tick.position);
        if (x != yAxisColumn) {
            painter.drawLine(QPointF(x, top), QPointF(x, bottom - 1));
        }
    }
    for (const Tick& tick : yTicks) {
        const double y = sharp(tick.position);
        if (y != xAxisRow) {
            painter.drawLine(QPointF(left, y), QPointF(right, y));
        }
    }

    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(yAxisColumn, top), QPointF(yAxisColumn, bottom));
    painter.drawLine(QPointF(left, xAxisRow), QPointF(right, xAxisRow));
    for (const Tick& tick : xTicks) {
        const double x = sharp(tick.position);
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + kTickLength));
    }
    for (const Tick& tick : yTicks) {
        const double y = sharp(tick.position);
        painter.drawLine(QPointF(left - kTickLength, y), QPointF(left, y));
    }

    painter.setFont(layout_.labelFont());
    for (const Tick& tick : xTicks) {
        painter.drawText(tick.labelRect, Qt::AlignCenter, tick.label);
    }
    for (const Tick& tick : yTicks) {
        painter.drawText(tick.labelRect, Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }

    // The captions: under the x labels, and left of the y labels reading bottom to top, both
    // centred on the plot.
    const double rowHeight = layout_.labelHeight();
    const double xTitleHeight = std::ceil(QFontMetricsF(xTitleFont).height());
    const double yTitleHeight = std::ceil(QFontMetricsF(yTitleFont).height());
    const QRectF xTitle(left, bottom + kTickLength + kLabelGap + rowHeight + kTitleGap,
                        plot.width(), xTitleHeight);
    painter.setFont(xTitleFont);
    painter.drawText(xTitle, Qt::AlignCenter,
                     QFontMetricsF(xTitleFont)
                         .elidedText(chart.xAxis().caption(), Qt::ElideRight, xTitle.width()));

    double labelsLeft = left - kTickLength - kLabelGap;
    for (const Tick& tick : yTicks) {
        labelsLeft = std::min(labelsLeft, tick.labelRect.left());
    }
    const double titleLeft = std::max(0.0, labelsLeft - kTitleGap - yTitleHeight);
    painter.save();
    painter.translate(titleLeft, std::round(plot.center().y()));
    painter.rotate(-90);
    const double length = std::min(plot.height(), static_cast<double>(size.height()));
    painter.setFont(yTitleFont);
    painter.drawText(
        QRectF(-length / 2, 0, length, yTitleHeight), Qt::AlignCenter,
        QFontMetricsF(yTitleFont).elidedText(chart.yAxis().caption(), Qt::ElideRight, length));
    painter.restore();
}

void GraphPicture::paintCurve(QPainter& painter, const chart::Chart& chart) {
    const chart::CurveStyle& style = chart.curve();
    mapped_.clear();
    for (const QPointF& p : chart.points()) {
        const QPointF at(mapX(p.x()), mapY(p.y()));
        if (std::isfinite(at.x()) && std::isfinite(at.y())) {
            mapped_.push_back(at);
        }
    }
    const bool joined = style.lineStyle == 1;
    // A chart without line and without markers would show nothing at all, so it gets markers.
    const bool marked = style.markers || !joined;
    const int width = std::max(1, style.lineWidth);
    // Whatever lies on an edge of the plot is drawn whole, nothing further out.
    const double reach = layout_.markerReach();
    painter.save();
    painter.setClipRect(layout_.plotArea().adjusted(-reach, -reach, reach, reach));
    if (joined && mapped_.size() > 1) {
        painter.setPen(QPen(style.colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(mapped_.data(), static_cast<int>(mapped_.size()));
    }
    if (marked) {
        const double diameter = layout_.markerDiameter();
        painter.setPen(QPen(style.colour, width));
        painter.setBrush(style.colour);
        for (const QPointF& at : mapped_) {
            if (style.markerShape == 2) {
                painter.drawRect(
                    QRectF(at.x() - diameter / 2, at.y() - diameter / 2, diameter, diameter));
            } else {
                painter.drawEllipse(at, diameter / 2, diameter / 2);
            }
        }
    }
    painter.restore();
}

void GraphPicture::paintLine(QPainter& painter, const RegressionLine& line, QSize size) {
    const QLineF ends = *lineEnds_;
    // The picture's border is the only clip. Clipping beforehand keeps the painter away from
    // the huge coordinates a steep line reaches far outside the axes.
    const QRectF border = QRectF(QPointF(0, 0), QSizeF(size))
                              .adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth);
    const std::optional<QLineF> visible = isFinite(ends) ? clipLine(ends, border) : std::nullopt;
    if (visible) {
        painter.setPen(QPen(kLineColour, kLineWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(*visible);
    }

    QFont font = equationFont_;
    font.setPixelSize(std::clamp(size.height() / 18, 12, 24));
    font.setBold(true);
    const QString text = regressionText(line);
    const QSize textSize = QFontMetrics(font).size(Qt::TextSingleLine, text);
    const QSize boxSize = textSize + QSize(2 * kTextPadding, 2 * kTextPadding);
    equationRect_ = placeEquation(layout_.plotArea(), boxSize, mapped_, visible);

    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(QColor(255, 255, 255, 215));
    painter.drawRect(QRectF(equationRect_).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(equationRect_, Qt::AlignCenter, text);
}

QRect GraphPicture::placeEquation(const QRectF& plotArea, const QSize& boxSize,
                                  const std::vector<QPointF>& points,
                                  const std::optional<QLineF>& line) {
    const QRectF area = plotArea.adjusted(kBoxMargin, kBoxMargin, -kBoxMargin, -kBoxMargin);
    const double w = boxSize.width();
    const double h = boxSize.height();
    const std::array<QPointF, 4> topLefts = {
        area.topLeft(),
        QPointF(area.right() - w, area.top()),
        QPointF(area.right() - w, area.bottom() - h),
        QPointF(area.left(), area.bottom() - h),
    };

    QRect best;
    int bestCovered = 0;
    bool bestCrossed = false;
    for (size_t i = 0; i < topLefts.size(); ++i) {
        const QRect candidate(QPoint(static_cast<int>(std::lround(topLefts[i].x())),
                                     static_cast<int>(std::lround(topLefts[i].y()))),
                              boxSize);
        const QRectF reach =
            QRectF(candidate).adjusted(-kPointRadius, -kPointRadius, kPointRadius, kPointRadius);
        const int covered = static_cast<int>(std::count_if(
            points.begin(), points.end(), [&](const QPointF& p) { return reach.contains(p); }));
        const bool crossed =
            line.has_value() && isFinite(*line) && clipLine(*line, QRectF(candidate)).has_value();
        if (i == 0 || covered < bestCovered ||
            (covered == bestCovered && !crossed && bestCrossed)) {
            best = candidate;
            bestCovered = covered;
            bestCrossed = crossed;
        }
    }
    return best;
}

} // namespace vozavero
