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
#include <tuple>

namespace vozavero {

namespace {

const QColor kGridColour(215, 215, 215);
const QColor kLineColour(255, 0, 0);
constexpr int kLineWidth = 2;
// Length of the tick marks outside the axes; gaps from the marks to their labels and from the
// labels to the axis captions, pixels.
constexpr int kTickLength = 4;
constexpr int kLabelGap = 2;
constexpr int kTitleGap = 4;
// The smallest caption still legible, pixels, and the room kept free beside a caption.
constexpr int kSmallestTitle = 8;
constexpr double kTitleMargins = 10.0;
// Gap between the equation box and the plot area's edges, pixels.
constexpr int kBoxMargin = 6;
// Gap between the equation text and its box's border, pixels.
constexpr int kTextPadding = 5;
// A point closer than this to the equation box counts as covered (marker radius), pixels.
constexpr double kPointRadius = 6.0;

/// Text size of tick labels in pixels for a picture of the given size: large enough to be read
/// from the back of a classroom, small enough that a small picture keeps room for its plot.
int labelPixelSize(QSize size) {
    const double bySize = std::min(size.height() / 20.0, size.width() / 40.0);
    return std::clamp(static_cast<int>(std::lround(bySize)), 10, 28);
}

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
    labelFont_ = QFont();
    labelFont_.setPixelSize(labelPixelSize(size));
    xTitleFont_ = labelFont_;
    xTitleFont_.setBold(true);
    yTitleFont_ = xTitleFont_;
    locale_ = QLocale();
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    xScale_.setRange(chart.xAxis(), chart.points(), true);
    yScale_.setRange(chart.yAxis(), chart.points(), false);
    arrange(size);
    if (shrinkTitles(chart)) {
        arrange(size);
    }
    collectTicks();

    QPainter painter;
    if (target.isNull() || !painter.begin(&target)) {
        return;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), target.deviceIndependentSize()), Qt::white);
    paintAxes(painter, chart, size);
    paintCurve(painter, chart);
    if (line) {
        const double x1 = chart.xAxis().minimum;
        const double x2 = chart.xAxis().maximum;
        lineEnds_ = QLineF(mapX(x1), mapY(line->slope * x1 + line->intercept), mapX(x2),
                           mapY(line->slope * x2 + line->intercept));
        paintLine(painter, *line, size);
    }
}

double GraphPicture::mapX(double x) const {
    const double lo = xScale_.minimum();
    return plot_.left() + (x - lo) / (xScale_.maximum() - lo) * plot_.width();
}

double GraphPicture::mapY(double y) const {
    const double lo = yScale_.minimum();
    return plot_.bottom() - (y - lo) / (yScale_.maximum() - lo) * plot_.height();
}

double GraphPicture::labelHeight() const {
    return std::ceil(QFontMetricsF(labelFont_).height());
}

void GraphPicture::arrange(QSize size) {
    const QFontMetricsF labels(labelFont_);
    const int margin = std::max(4, labelFont_.pixelSize() / 2);
    const double rowHeight = labelHeight();
    const double xTitleHeight = std::ceil(QFontMetricsF(xTitleFont_).height());
    const double yTitleHeight = std::ceil(QFontMetricsF(yTitleFont_).height());

    // The top y label, centred on the plot's top edge, reaches above it by half its height. Below
    // the plot come the x axis' line, its tick marks, labels and caption.
    const double top = margin + std::ceil(rowHeight / 2);
    const double bottom =
        size.height() - margin - xTitleHeight - kTitleGap - rowHeight - kLabelGap - kTickLength - 1;
    const double height = std::max(1.0, bottom - top);
    yScale_.chooseStep(height, labels, locale_, false);
    double labelWidth = 0.0;
    for (int i = 0; i < yScale_.tickCount(); ++i) {
        labelWidth =
            std::max(labelWidth, labels.horizontalAdvance(yScale_.label(yScale_.tick(i), locale_)));
    }
    const double left =
        margin + yTitleHeight + kTitleGap + std::ceil(labelWidth) + kLabelGap + kTickLength;

    // The last x label is centred on its tick and may reach past the plot's right edge; the
    // plot gives way until it stays inside the margin.
    const double limit = size.width() - margin;
    double right = limit - std::ceil(labelFont_.pixelSize() / 2.0);
    for (int pass = 0; pass < 3; ++pass) {
        const double width = std::max(1.0, right - left);
        xScale_.chooseStep(width, labels, locale_, true);
        const int count = xScale_.tickCount();
        if (count == 0) {
            break;
        }
        const double last = xScale_.tick(count - 1);
        const double lastX =
            left + (last - xScale_.minimum()) / (xScale_.maximum() - xScale_.minimum()) * width;
        const double reach =
            lastX + std::ceil(labels.horizontalAdvance(xScale_.label(last, locale_)) / 2);
        if (!(reach > limit)) {
            break;
        }
        right -= std::ceil(reach - limit);
    }
    plot_ = QRectF(left, top, std::max(1.0, right - left), height);
}

bool GraphPicture::shrinkTitles(const chart::Chart& chart) {
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

void GraphPicture::collectTicks() {
    const QFontMetricsF labels(labelFont_);
    const double rowHeight = labelHeight();
    for (const bool horizontal : {true, false}) {
        const AxisScale& scale = horizontal ? xScale_ : yScale_;
        std::vector<Tick>& ticks = horizontal ? xTicks_ : yTicks_;
        ticks.clear();
        for (int i = 0; i < scale.tickCount(); ++i) {
            Tick tick;
            tick.value = scale.tick(i);
            tick.position = horizontal ? mapX(tick.value) : mapY(tick.value);
            tick.label = scale.label(tick.value, locale_);
            // x labels are centred under their ticks, y labels end left of theirs.
            const double width = std::ceil(labels.horizontalAdvance(tick.label));
            tick.labelRect =
                horizontal ? QRectF(std::round(tick.position - width / 2),
                                    plot_.bottom() + 1 + kTickLength + kLabelGap, width, rowHeight)
                           : QRectF(plot_.left() - kTickLength - kLabelGap - width,
                                    std::round(tick.position - rowHeight / 2), width, rowHeight);
            ticks.push_back(std::move(tick));
        }
    }
}

void GraphPicture::paintAxes(QPainter& painter, const chart::Chart& chart, QSize size) const {
    // Vertical lines cover the rows of the plot and the x axis' row below it; horizontal lines
    // the plot's columns and the column right of it, where a tick at the maximum lands.
    const double top = plot_.top();
    const double bottom = plot_.bottom() + 1;
    const double left = plot_.left();
    const double right = plot_.right() + 1;
    const double xAxisRow = sharp(plot_.bottom());
    const double yAxisColumn = sharp(plot_.left());

    painter.setPen(QPen(kGridColour, 1, Qt::SolidLine, Qt::FlatCap));
    for (const Tick& tick : xTicks_) {
        const double x = sharp(tick.position);
        if (x != yAxisColumn) {
            painter.drawLine(QPointF(x, top), QPointF(x, bottom - 1));
        }
    }
    for (const Tick& tick : yTicks_) {
        const double y = sharp(tick.position);
        if (y != xAxisRow) {
            painter.drawLine(QPointF(left, y), QPointF(right, y));
        }
    }

    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(yAxisColumn, top), QPointF(yAxisColumn, bottom));
    painter.drawLine(QPointF(left, xAxisRow), QPointF(right, xAxisRow));
    for (const Tick& tick : xTicks_) {
        const double x = sharp(tick.position);
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + kTickLength));
    }
    for (const Tick& tick : yTicks_) {
        const double y = sharp(tick.position);
        painter.drawLine(QPointF(left - kTickLength, y), QPointF(left, y));
    }

    painter.setFont(labelFont_);
    for (const Tick& tick : xTicks_) {
        painter.drawText(tick.labelRect, Qt::AlignCenter, tick.label);
    }
    for (const Tick& tick : yTicks_) {
        painter.drawText(tick.labelRect, Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }

    // The captions: under the x labels, and left of the y labels reading bottom to top, both
    // centred on the plot.
    const double rowHeight = labelHeight();
    const double xTitleHeight = std::ceil(QFontMetricsF(xTitleFont_).height());
    const double yTitleHeight = std::ceil(QFontMetricsF(yTitleFont_).height());
    const QRectF xTitle(left, bottom + kTickLength + kLabelGap + rowHeight + kTitleGap,
                        plot_.width(), xTitleHeight);
    painter.setFont(xTitleFont_);
    painter.drawText(xTitle, Qt::AlignCenter,
                     QFontMetricsF(xTitleFont_)
                         .elidedText(chart.xAxis().caption(), Qt::ElideRight, xTitle.width()));

    double labelsLeft = left - kTickLength - kLabelGap;
    for (const Tick& tick : yTicks_) {
        labelsLeft = std::min(labelsLeft, tick.labelRect.left());
    }
    const double titleLeft = std::max(0.0, labelsLeft - kTitleGap - yTitleHeight);
    painter.save();
    painter.translate(titleLeft, std::round(plot_.center().y()));
    painter.rotate(-90);
    const double length = std::min(plot_.height(), static_cast<double>(size.height()));
    painter.setFont(yTitleFont_);
    painter.drawText(
        QRectF(-length / 2, 0, length, yTitleHeight), Qt::AlignCenter,
        QFontMetricsF(yTitleFont_).elidedText(chart.yAxis().caption(), Qt::ElideRight, length));
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
    if (joined && mapped_.size() > 1) {
        painter.setPen(QPen(style.colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(mapped_.data(), static_cast<int>(mapped_.size()));
    }
    if (marked) {
        const double diameter = std::max(7.0, labelFont_.pixelSize() * 0.6);
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
    equationRect_ = placeEquation(plot_, boxSize, mapped_, visible);

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
