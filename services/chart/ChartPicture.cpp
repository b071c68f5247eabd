// Draws a chart with the toolkit's chart module. One chart scene is kept for the object's life
// and only updated per drawing (size, fonts, ranges, points), which keeps a redraw cheap; the
// scene is laid out completely before it is rendered, so the mapping read from it afterwards is
// exactly the one that was drawn.
#include "ChartPicture.h"

#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vozavero::chart {

namespace {

/// Text size of tick labels in pixels for a picture of the given size: large enough to be read
/// from the back of a classroom, small enough that a small picture keeps room for its plot.
int labelPixelSize(QSize size) {
    const double bySize = std::min(size.height() / 20.0, size.width() / 40.0);
    return std::clamp(static_cast<int>(std::lround(bySize)), 10, 28);
}

/// The axis range actually drawn: an empty or inverted range is widened so the scale exists,
/// and a range that some measured value lies outside is widened to take it in, so that no point
/// is ever cut off (a value just above a scale that was raised to its whole part, say).
std::pair<double, double> drawnRange(const ChartAxis& axis, const std::vector<double>& values) {
    double lo = axis.minimum;
    double hi = axis.maximum;
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0.0;
        hi = 1.0;
    }
    for (const double v : values) {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (!(hi > lo)) {
        hi = lo + (lo == 0.0 ? 1.0 : std::abs(lo));
    }
    return {lo, hi};
}

/// Decimal places needed to show multiples of step (a 1, 2 or 5 times a power of ten) exactly.
int decimalsFor(double step) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

/// Picks a tick step of 1, 2 or 5 times a power of ten: the finest one whose labels keep apart.
/// room is the axis length in pixels; labelExtent gives the space one label needs along the axis
/// for a given step (pixels).
template <typename Extent> double tickStep(double lo, double hi, double room, Extent labelExtent) {
    const double span = hi - lo;
    double magnitude = std::pow(10.0, std::floor(std::log10(span)) - 2);
    for (int i = 0; i < 40; ++i) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * magnitude;
            const double ticks = std::floor(span / step + 1e-9) + 1;
            if (ticks <= 11 && ticks * labelExtent(step) <= room) {
                return step;
            }
        }
        magnitude *= 10;
    }
    return span;
}

} // namespace

struct ChartPicture::Impl {
    QGraphicsScene scene;
    QChart* chart = new QChart;
    QValueAxis* axisX = new QValueAxis;
    QValueAxis* axisY = new QValueAxis;
    QLineSeries* line = new QLineSeries;
    QScatterSeries* markers = new QScatterSeries;
    QPointF offset;
    int fontPixels = 0;

    Impl() {
        chart->setAnimationOptions(QChart::NoAnimation);
        chart->legend()->hide();
        chart->setBackgroundRoundness(0);
        chart->setBackgroundBrush(Qt::white);
        chart->setBackgroundPen(Qt::NoPen);
        chart->setDropShadowEnabled(false);
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        chart->setLocalizeNumbers(true);
        chart->setMinimumSize(1, 1);
        for (QValueAxis* axis : {axisX, axisY}) {
            axis->setLabelsColor(Qt::black);
            axis->setTitleBrush(Qt::black);
            axis->setLinePen(QPen(Qt::black, 1));
            axis->setGridLineColor(QColor(215, 215, 215));
            axis->setMinorTickCount(0);
            axis->setTickAnchor(0.0);
        }
        chart->addAxis(axisX, Qt::AlignBottom);
        chart->addAxis(axisY, Qt::AlignLeft);
        for (QXYSeries* series :
             {static_cast<QXYSeries*>(line), static_cast<QXYSeries*>(markers)}) {
            chart->addSeries(series);
            series->attachAxis(axisX);
            series->attachAxis(axisY);
        }
        scene.addItem(chart);
    }

    void setLabelFont(int pixels);
    void setTitlePixels(QValueAxis* axis, int pixels);
    void fitTitles();
    void setScale(QValueAxis* axis, const ChartAxis& source, const std::vector<double>& values,
                  double room, bool horizontal);
    void setCurve(const Chart& source);
    void layOut(QSizeF size);
};

void ChartPicture::Impl::setLabelFont(int pixels) {
    if (pixels == fontPixels) {
        return;
    }
    fontPixels = pixels;
    QFont labels;
    labels.setPixelSize(pixels);
    for (QValueAxis* axis : {axisX, axisY}) {
        axis->setLabelsFont(labels);
    }
    const int margin = std::max(4, pixels / 2);
    // The extra room on the right keeps the last x label, centred on the plot's edge, inside.
    chart->setMargins(QMargins(margin, margin, margin + pixels / 2, margin));
}

void ChartPicture::Impl::setTitlePixels(QValueAxis* axis, int pixels) {
    if (axis->titleFont().pixelSize() == pixels) {
        return;
    }
    QFont title;
    title.setPixelSize(pixels);
    title.setBold(true);
    axis->setTitleFont(title);
}

void ChartPicture::Impl::fitTitles() {
    // The chart module cuts a title longer than its axis down to "...". A small picture rather
    // gets a smaller title font, down to the smallest size still legible.
    constexpr int smallestTitle = 8;
    constexpr double textMargins = 10.0;
    const QRectF plot = chart->plotArea();
    bool changed = false;
    for (QValueAxis* axis : {axisX, axisY}) {
        const double room = (axis == axisX ? plot.width() : plot.height()) - textMargins;
        const int pixels = axis->titleFont().pixelSize();
        const double needed = QFontMetricsF(axis->titleFont()).horizontalAdvance(axis->titleText());
        if (needed > room && pixels > smallestTitle && room > 0) {
            const int fitting = static_cast<int>(std::floor(pixels * room / needed));
            setTitlePixels(axis, std::max(smallestTitle, std::min(pixels - 1, fitting)));
            changed = true;
        }
    }
    if (changed) {
        layOut(chart->size());
    }
}

void ChartPicture::Impl::setScale(QValueAxis* axis, const ChartAxis& source,
                                  const std::vector<double>& values, double room, bool horizontal) {
    // Plain variables rather than a structured binding: the label extent below captures them,
    // which not every compiler accepts for bindings.
    const std::pair<double, double> range = drawnRange(source, values);
    const double lo = range.first;
    const double hi = range.second;
    const QFontMetricsF metrics(axis->labelsFont());
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto extent = [&](double step) {
        if (!horizontal) {
            return metrics.height() * 1.8;
        }
        const int decimals = decimalsFor(step);
        const double widest =
            std::max(metrics.horizontalAdvance(locale.toString(lo, 'f', decimals)),
                     metrics.horizontalAdvance(locale.toString(hi, 'f', decimals)));
        return widest + metrics.horizontalAdvance(QStringLiteral("MM"));
    };
    const double step = tickStep(lo, hi, room, extent);
    chart->setLocale(locale);
    axis->setTitleText(source.caption().toHtmlEscaped());
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsFor(step)));
    // Range and step change together: in between, the old step over the new range could ask
    // for thousands of ticks, so the axis counts fixed ticks meanwhile.
    axis->setTickType(QValueAxis::TicksFixed);
    // The chart module adds the step up from the first tick, so the sum for the last tick can
    // end a rounding error above the maximum and lose its label; a range longer by a billionth
    // (far below a pixel) keeps it.
    axis->setRange(lo, hi + (hi - lo) * 1e-9);
    axis->setTickInterval(step);
    axis->setTickType(QValueAxis::TicksDynamic);
}

void ChartPicture::Impl::setCurve(const Chart& source) {
    const CurveStyle& style = source.curve();
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(source.points().size()));
    for (const QPointF& p : source.points()) {
        if (std::isfinite(p.x()) && std::isfinite(p.y())) {
            points.append(p);
        }
    }
    const bool joined = style.lineStyle == 1;
    // A chart without line and without markers would show nothing at all, so it gets markers.
    const bool marked = style.markers || !joined;

    line->setPen(QPen(style.colour, std::max(1, style.lineWidth), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
    line->replace(joined ? points : QList<QPointF>());

    markers->setMarkerShape(style.markerShape == 2 ? QScatterSeries::MarkerShapeRectangle
                                                   : QScatterSeries::MarkerShapeCircle);
    markers->setMarkerSize(std::max(7.0, fontPixels * 0.6));
    markers->setBrush(style.colour);
    markers->setPen(QPen(style.colour, std::max(1, style.lineWidth)));
    markers->replace(marked ? points : QList<QPointF>());
}

void ChartPicture::Impl::layOut(QSizeF size) {
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    chart->setPos(0, 0);
    chart->resize(size);
    // The chart lays itself out on a posted layout request; handle it now, so the picture and
    // the mapping come from the finished layout. A pass can change an axis' size hint, which
    // asks for another pass.
    for (int pass = 0; pass < 4; ++pass) {
        QCoreApplication::sendPostedEvents(chart, QEvent::LayoutRequest);
        chart->layout()->activate();
        if (chart->layout()->isActivated()) {
            break;
        }
    }
}

ChartPicture::ChartPicture()
    : d_(std::make_unique<Impl>()) {}

ChartPicture::~ChartPicture() = default;

void ChartPicture::draw(const Chart& chart, QImage& target, const QRectF& relative, bool withAxes) {
    // Sizes and positions are logical pixels; a picture with more device pixels per logical
    // pixel gets the same drawing, finer.
    const QSize whole = target.deviceIndependentSize().toSize();
    const int left = static_cast<int>(std::lround(relative.left() * whole.width()));
    const int top = static_cast<int>(std::lround(relative.top() * whole.height()));
    const int right = static_cast<int>(std::lround(relative.right() * whole.width()));
    const int bottom = static_cast<int>(std::lround(relative.bottom() * whole.height()));
    const QRect area(left, top, std::max(1, right - left), std::max(1, bottom - top));

    d_->setLabelFont(labelPixelSize(area.size()));
    d_->setTitlePixels(d_->axisX, d_->fontPixels);
    d_->setTitlePixels(d_->axisY, d_->fontPixels);
    d_->axisX->setVisible(withAxes);
    d_->axisY->setVisible(withAxes);
    // Rough axis lengths for the choice of tick steps; the layout finds the exact ones.
    const double labelSpace = withAxes ? d_->fontPixels * 6.0 : 0.0;
    std::vector<double> xs;
    std::vector<double> ys;
    xs.reserve(chart.points().size());
    ys.reserve(chart.points().size());
    for (const QPointF& p : chart.points()) {
        xs.push_back(p.x());
        ys.push_back(p.y());
    }
    d_->setScale(d_->axisX, chart.xAxis(), xs, area.width() - labelSpace, true);
    d_->setScale(d_->axisY, chart.yAxis(), ys, area.height() - d_->fontPixels * 4.0, false);
    d_->setCurve(chart);
    d_->layOut(area.size());
    if (withAxes) {
        d_->fitTitles();
    }
    d_->offset = area.topLeft();

    if (target.isNull()) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&target)) {
        return;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    d_->scene.render(&painter, QRectF(area), QRectF(QPointF(0, 0), QSizeF(area.size())),
                     Qt::IgnoreAspectRatio);
}

double ChartPicture::mapX(double x) const {
    return d_->chart->mapToPosition(QPointF(x, d_->axisY->min()), d_->markers).x() +
           d_->chart->pos().x() + d_->offset.x();
}

double ChartPicture::mapY(double y) const {
    return d_->chart->mapToPosition(QPointF(d_->axisX->min(), y), d_->markers).y() +
           d_->chart->pos().y() + d_->offset.y();
}

QRectF ChartPicture::plotArea() const {
    return d_->chart->plotArea().translated(d_->chart->pos() + d_->offset);
}

} // namespace vozavero::chart
