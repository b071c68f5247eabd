// The graph surface: a persistent picture that the chart component draws the selected chart on,
// with the regression line and its equation laid over it.
#include "GraphPlotter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace vozavero {

namespace {

const QColor kLineColour(255, 0, 0);
constexpr int kLineWidth = 2;
// Gap between the equation box and the plot area's edges, pixels.
constexpr int kBoxMargin = 6;
// Gap between the equation text and its box's border, pixels.
constexpr int kTextPadding = 5;
// A point closer than this to the equation box counts as covered (marker radius), pixels.
constexpr double kPointRadius = 6.0;

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

GraphPlotter::GraphPlotter(QWidget* parent)
    : QWidget(parent) {
    makePicture();
}

double GraphPlotter::pixelRatio() const {
    return fixedRatio_ > 0.0 ? fixedRatio_ : devicePixelRatioF();
}

void GraphPlotter::setPixelRatio(double ratio) {
    fixedRatio_ = ratio;
}

bool GraphPlotter::makePicture() {
    // The picture has the screen's device pixels, and the painters on it work in logical
    // pixels, so the chart, the mapping and the overlay keep their logical coordinates.
    const double ratio = pixelRatio();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio - 1e-9)),
                       static_cast<int>(std::ceil(height() * ratio - 1e-9)));
    if (picture_.size() == pixels && picture_.devicePixelRatio() == ratio) {
        return false;
    }
    picture_ = QImage(pixels, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::white);
    return true;
}

void GraphPlotter::redraw(const chart::Chart& chart, const std::optional<RegressionLine>& line) {
    lineEnds_.reset();
    equationRect_ = QRect();
    // A widget that was never shown has had no resize event yet.
    makePicture();
    if (picture_.isNull()) {
        return;
    }
    picture_.fill(Qt::white);
    mapping_.draw(chart, picture_, QRectF(0, 0, 1, 1), true);

    if (line) {
        const double x1 = chart.xAxis().minimum;
        const double x2 = chart.xAxis().maximum;
        const double y1 = line->slope * x1 + line->intercept;
        const double y2 = line->slope * x2 + line->intercept;
        const QLineF ends(mapping_.mapX(x1), mapping_.mapY(y1), mapping_.mapX(x2),
                          mapping_.mapY(y2));
        lineEnds_ = ends;

        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::Antialiasing);
        // The picture's border is the only clip. Clipping beforehand keeps the painter away from
        // the huge coordinates a steep line reaches far outside the axes.
        const QRectF border = QRectF(QPointF(0, 0), picture_.deviceIndependentSize())
                                  .adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth);
        const std::optional<QLineF> visible =
            isFinite(ends) ? clipLine(ends, border) : std::nullopt;
        if (visible) {
            painter.setPen(QPen(kLineColour, kLineWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(*visible);
        }

        QFont font = this->font();
        font.setPixelSize(std::clamp(height() / 18, 12, 24));
        font.setBold(true);
        painter.setFont(font);
        const QString text = regressionText(*line);
        const QSize textSize = QFontMetrics(font).size(Qt::TextSingleLine, text);
        const QSize boxSize = textSize + QSize(2 * kTextPadding, 2 * kTextPadding);

        std::vector<QPointF> points;
        points.reserve(chart.points().size());
        for (const QPointF& p : chart.points()) {
            points.emplace_back(mapping_.mapX(p.x()), mapping_.mapY(p.y()));
        }
        equationRect_ = placeEquation(mapping_.plotArea(), boxSize, points, visible);

        painter.setPen(QPen(QColor(120, 120, 120), 1));
        painter.setBrush(QColor(255, 255, 255, 215));
        painter.drawRect(QRectF(equationRect_).adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(Qt::black);
        painter.drawText(equationRect_, Qt::AlignCenter, text);
    }
    update();
}

QRect GraphPlotter::placeEquation(const QRectF& plotArea, const QSize& boxSize,
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

void GraphPlotter::paintEvent(QPaintEvent* /*event*/) {
    if (fixedRatio_ == 0.0 && picture_.devicePixelRatio() != devicePixelRatioF()) {
        // Moved to a screen with another ratio: the window draws the graph again for it.
        QMetaObject::invokeMethod(this, &GraphPlotter::resized, Qt::QueuedConnection);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void GraphPlotter::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        clickPending_ = true;
        pressPosition_ = event->position();
        return;
    }
    QWidget::mousePressEvent(event);
}

void GraphPlotter::mouseMoveEvent(QMouseEvent* event) {
    // A press that turns into a drag is no click.
    if (clickPending_ && (event->position() - pressPosition_).manhattanLength() >=
                             QApplication::startDragDistance()) {
        clickPending_ = false;
    }
    QWidget::mouseMoveEvent(event);
}

void GraphPlotter::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && clickPending_) {
        clickPending_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void GraphPlotter::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives as this event; it is no new press, so the
    // double-click is one click (made by the first press and its release).
    event->accept();
}

void GraphPlotter::resizeEvent(QResizeEvent* /*event*/) {
    makePicture();
    picture_.fill(Qt::white);
    emit resized();
}

} // namespace vozavero
