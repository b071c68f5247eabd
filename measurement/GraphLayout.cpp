// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The layout of a graph from font metrics: label sizes after the picture's size, captions that
// shrink to fit, the plot area between labels and captions, and the ticks with their labels.
#include "GraphLayout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace vozavero {

namespace {

// The smallest caption still legible, pixels, and the room kept free beside a caption.
constexpr int kSmallestTitle = 8;
constexpr double kTitleMargins = 10.0;

/// Text size of tick labels in pixels for a picture of the given size: large enough to be read
/// from the back of a classroom, small enough that a small picture keeps room for its plot.
int labelPixelSize(QSize size) {
    const double bySize = std::min(size.height() / 20.0, size.width() / 40.0);
    return std::clamp(static_cast<int>(std::lround(bySize)), 10, 28);
}

} // namespace

void GraphLayout::arrange(const chart::Chart& chart, QSize size, bool fitToData) {
    labelFont_ = QFont();
    labelFont_.setPixelSize(labelPixelSize(size));
    xTitleFont_ = labelFont_;
    xTitleFont_.setBold(true);
    yTitleFont_ = xTitleFont_;
    locale_ = QLocale();
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    markerReach_ = markerDiameter() / 2 + std::max(1, chart.curve().lineWidth) / 2.0;
    if (fitToData) {
        xScale_.fitRange(chart.xAxis(), chart.points(), true);
        yScale_.fitRange(chart.yAxis(), chart.points(), false);
    } else {
        xScale_.setRange(chart.xAxis(), chart.points(), true);
        yScale_.setRange(chart.yAxis(), chart.points(), false);
    }
    arrangeFor(size);
    if (shrinkTitles(chart)) {
        arrangeFor(size);
    }
    collectTicks();
}

double GraphLayout::mapX(double x) const {
    const double lo = xScale_.minimum();
    return plot_.left() + (x - lo) / (xScale_.maximum() - lo) * plot_.width();
}

double GraphLayout::mapY(double y) const {
    const double lo = yScale_.minimum();
    return plot_.bottom() - (y - lo) / (yScale_.maximum() - lo) * plot_.height();
}

double GraphLayout::labelHeight() const {
    return std::ceil(QFontMetricsF(labelFont_).height());
}

double GraphLayout::markerDiameter() const {
    return std::max(7.0, labelFont_.pixelSize() * 0.6);
}

QString GraphLayout::endLabel(const AxisScale& scale) const {
    return scale.tickCount() > 0 && !scale.endsOnTick() ? scale.endLabel(locale_) : QString();
}

void GraphLayout::arrangeFor(QSize size) {
    const QFontMetricsF labels(labelFont_);
    const int margin = std::max(4, labelFont_.pixelSize() / 2);
    const double rowHeight = labelHeight();
    const double xTitleHeight = std::ceil(QFontMetricsF(xTitleFont_).height());
    const double yTitleHeight = std::ceil(QFontMetricsF(yTitleFont_).height());
    // A marker on the axis' end stays whole: the plot keeps its reach free above and right.
    const double reach = std::ceil(markerReach_);

    // The top y label, centred on the plot's top edge, reaches above it by half its height. Below
    // the plot come the x axis' line, its tick marks, labels and caption.
    const double top = margin + std::max(std::ceil(rowHeight / 2), reach);
    const double bottom =
        size.height() - margin - xTitleHeight - kTitleGap - rowHeight - kLabelGap - kTickLength - 1;
    const double height = std::max(1.0, bottom - top);
    yScale_.chooseStep(height, labels, locale_, false);
    double labelWidth = labels.horizontalAdvance(endLabel(yScale_));
    for (int i = 0; i < yScale_.tickCount(); ++i) {
        labelWidth =
            std::max(labelWidth, labels.horizontalAdvance(yScale_.label(yScale_.tick(i), locale_)));
    }
    const double left =
        margin + yTitleHeight + kTitleGap + std::ceil(labelWidth) + kLabelGap + kTickLength;

    // The last x label is centred on its tick (or on the axis' end) and may reach past the
    // plot's right edge; the plot gives way until it stays inside the margin.
    const double limit = size.width() - margin;
    double right = limit - std::max(std::ceil(labelFont_.pixelSize() / 2.0), reach);
    for (int pass = 0; pass < 3; ++pass) {
        const double width = std::max(1.0, right - left);
        xScale_.chooseStep(width, labels, locale_, true);
        const int count = xScale_.tickCount();
        if (count == 0) {
            break;
        }
        const QString end = endLabel(xScale_);
        const double last = end.isEmpty() ? xScale_.tick(count - 1) : xScale_.maximum();
        const QString lastLabel = end.isEmpty() ? xScale_.label(last, locale_) : end;
        const double lastX =
            left + (last - xScale_.minimum()) / (xScale_.maximum() - xScale_.minimum()) * width;
        const double labelReach = lastX + std::ceil(labels.horizontalAdvance(lastLabel) / 2);
        if (!(labelReach > limit)) {
            break;
        }
        right -= std::ceil(labelReach - limit);
    }
    plot_ = QRectF(left, top, std::max(1.0, right - left), height);
}

bool GraphLayout::shrinkTitles(const chart::Chart& chart) {
    // A small picture gets smaller captions rather than captions cut short, down to the
    // smallest size still legible; what even that does not fit is cut short when painted.
    bool changed = false;
    const std::array<std::tuple<QFont*, QString, double>, 2> titles = {
        std::tuple{&xTitleFont_, chart.xAxis().caption(), plot_.width() - kTitleMargins},
        std::tuple{&yTitleFont_, chart.yAxis().caption(), plot_.height() - kTitleMargins},
    };
    for (const auto& [font, caption, room] : titles) {
        const int pixels = font->pixelSize();
        const double needed = QFontMetricsF(*font).horizontalAdvance(caption);
        if (needed > room && pixels > kSmallestTitle && room > 0) {
            const int fitting = static_cast<int>(std::floor(pixels * room / needed));
            font->setPixelSize(std::max(kSmallestTitle, std::min(pixels - 1, fitting)));
            changed = true;
        }
    }
    return changed;
}

void GraphLayout::collectTicks() {
    const QFontMetricsF labels(labelFont_);
    const double rowHeight = labelHeight();
    for (const bool horizontal : {true, false}) {
        const AxisScale& scale = horizontal ? xScale_ : yScale_;
        std::vector<Tick>& ticks = horizontal ? xTicks_ : yTicks_;
        ticks.clear();
        const auto add = [&](double value, const QString& label) {
            Tick tick;
            tick.value = value;
            tick.position = horizontal ? mapX(value) : mapY(value);
            tick.label = label;
            // x labels are centred under their ticks, y labels end left of theirs.
            const double width = std::ceil(labels.horizontalAdvance(label));
            tick.labelRect =
                horizontal ? QRectF(std::round(tick.position - width / 2),
                                    plot_.bottom() + 1 + kTickLength + kLabelGap, width, rowHeight)
                           : QRectF(plot_.left() - kTickLength - kLabelGap - width,
                                    std::round(tick.position - rowHeight / 2), width, rowHeight);
            ticks.push_back(std::move(tick));
        };
        for (int i = 0; i < scale.tickCount(); ++i) {
            add(scale.tick(i), scale.label(scale.tick(i), locale_));
        }
        const QString end = endLabel(scale);
        if (end.isEmpty()) {
            continue;
        }
        add(scale.maximum(), end);
        // The end's label is the one to read; the tick just below gives its label up rather
        // than touch it.
        Tick& below = ticks[ticks.size() - 2];
        const QRectF apart = below.labelRect.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap);
        if (apart.intersects(ticks.back().labelRect)) {
            below.label.clear();
        }
    }
}

} // namespace vozavero
