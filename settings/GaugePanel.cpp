// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One gauge panel: builds the captions, box, bar, scale, read-out and reference mark from the
// design measures of its gauge, maps presses and drags on box and bar to bar widths, and bar
// widths to values and back. Keyboard, touch, pen and assistive technology: GaugePanelAccess.cpp.
#include "GaugePanel.h"

#include "NumberText.h"
#include "PointerInput.h"
#include "RoundHalfEven.h"
#include "UiFonts.h"
#include "ValueAccessible.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace vozavero {

namespace {

/// What tells the four gauges apart besides their quantity; positions in twips relative to the
/// panel or the box.
struct GaugeLook {
    const char* subCaptionName;
    double subCaptionTop;
    double barLeft;
    std::array<double, 3> ticks;
    const char* barTip;
    const char* boxTip;
    double readoutTop;
    double panelHeight;
};

const GaugeLook& lookOf(GaugeId id) {
    static const std::array<GaugeLook, 4> looks{{
        {"Label2",
         360,
         120,
         {2100, 3600, 5160},
         QT_TRANSLATE_NOOP("GaugePanel",
                           "Hier kannst Du  die Anzahl der Vozavero im Kolbenprober festlegen"),
         QT_TRANSLATE_NOOP("GaugePanel", "Hier kannst Du mit der Maus die Anzahl der Vozavero im "
                                         "Kolbenprober festlegen"),
         120,
         735},
        {"Label3",
         360,
         120,
         {2100, 3600, 5160},
         QT_TRANSLATE_NOOP("GaugePanel", "Hier kannst Du die Geschwindigkeit der Vozavero "
                                         "(entspricht der Temperatur) festlegen"),
         QT_TRANSLATE_NOOP("GaugePanel", "Hier kannst Du mit der Maus die Anzahl die "
                                         "Geschwindigkeit der Vozavero (entspricht der "
                                         "Temperatur) festlegen"),
         120,
         735},
        {"Label1",
         420,
         60,
         {2100, 3420, 5160},
         QT_TRANSLATE_NOOP("GaugePanel", "Hier siehst Du grafisch dargestellt die Anzahl der "
                                         "Stöße gegen den Schieber im Kolbenprober, was dem "
                                         "Druck entspricht"),
         nullptr,
         120,
         765},
        {"Label6",
         360,
         120,
         {2100, 3600, 5220},
         QT_TRANSLATE_NOOP("GaugePanel", "Hier kannst Du den Raum für die Vozavero festlegen"),
         nullptr,
         60,
         735},
    }};
    return looks.at(static_cast<size_t>(id));
}

/// The texts, colour and design scale of a gauge: those of its quantity, or of the impacts.
struct GaugeFacts {
    QString caption;
    QString name;
    QString meaning;
    QColor colour;
    ScaleNumbers designScale;
    int readout; ///< k of "AnzT(k)", 0 for none
};

GaugeFacts factsOf(GaugeId id) {
    if (const Quantity* q = Quantity::ofGauge(id)) {
        return {q->gaugeCaptionText(), q->nameText(),  q->meaningText(),
                q->colourValue(),      q->designScale, q->readoutIndex};
    }
    const MeasuredQuantity& m = MeasuredQuantity::impacts();
    return {m.gaugeCaptionText(), m.nameText(), m.meaningText(), m.colourValue(), m.designScale, 0};
}

// Design measures shared by all gauges, in twips.
constexpr double kPanelWidth = 5355;
constexpr double kCaptionLeft = 60;
constexpr double kCaptionTop = 120;
constexpr double kSubCaptionLeft = 180;
constexpr double kBoxLeft = 1920;
constexpr double kBoxTop = 60;
constexpr double kBoxWidth = 3375;
constexpr double kBoxHeight = 375;
constexpr double kBarTop = 120;
constexpr double kBarHeight = 135;
constexpr double kTickTop = 420;
constexpr double kTickBottom = 480;
constexpr double kScaleTop = 480;
constexpr double kMarkTop = 60;
constexpr double kMarkBottom = 300;
constexpr double kReadoutHeight = 255;
// The read-out fills the room between the caption and the box (in pixels apart from each), so
// that values such as "499,999" show whole; its designed 315 twips hold only two digits.
constexpr int kReadoutGapAfterCaption = 4;
constexpr int kReadoutGapBeforeBox = 3;
constexpr double kSmallestReadoutPoints = 6.0;

QString text(const char* source) {
    return QCoreApplication::translate("GaugePanel", source);
}

/// A plain filled rectangle: the scale ticks and the reference mark.
QFrame* filledLine(QWidget* parent, const QString& name, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

} // namespace

GaugePanel::GaugePanel(GaugeId id, const Twips& twips, QWidget* parent)
    : QFrame(parent)
    , id_(id)
    , twips_(twips) {
    const GaugeLook& look = lookOf(id);
    const GaugeFacts facts = factsOf(id);
    const int i = static_cast<int>(id);
    const auto indexed = [](const char* name, int index) {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
    };

    setObjectName(indexed("Panel3D1", i));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFont(bodyFont());
    setFixedSize(twips.x(kPanelWidth), twips.y(look.panelHeight));
    // Only the gauges that set a quantity take the keyboard; the impact gauge is a read-out.
    setFocusPolicy(id == GaugeImpacts ? Qt::NoFocus : Qt::StrongFocus);
    installValueAccessibleFactory();

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Caption"));
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    subCaption_ = new QLabel(this);
    subCaption_->setObjectName(QLatin1String(look.subCaptionName));
    subCaption_->move(twips.x(kSubCaptionLeft), twips.y(look.subCaptionTop));

    box_ = new QFrame(this);
    box_->setObjectName(indexed("SCROLLBOX", i));
    box_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box_->setGeometry(twips.rect(kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight));
    box_->installEventFilter(this);
    acceptTouch(box_);

    bar_ = new QLabel(box_);
    bar_->setObjectName(indexed("SCROLL", i));
    bar_->setFrameStyle(QFrame::Box | QFrame::Plain);
    bar_->setLineWidth(1);
    bar_->setAutoFillBackground(true);
    QPalette barPalette = bar_->palette();
    barPalette.setColor(QPalette::Window, facts.colour);
    barPalette.setColor(QPalette::WindowText, Qt::black);
    bar_->setPalette(barPalette);
    bar_->setGeometry(twips.x(look.barLeft), twips.y(kBarTop), 0, twips.y(kBarHeight));
    bar_->installEventFilter(this);
    acceptTouch(bar_);

    if (id == GaugeImpacts) {
        mark_ = filledLine(box_, QStringLiteral("shp_Pressure"), Qt::black);
        mark_->setGeometry(0, twips.y(kMarkTop), 2, twips.y(kMarkBottom) - twips.y(kMarkTop));
        mark_->hide();
    }

    const int tickTop = twips.y(kTickTop);
    for (int j = 0; j < 3; ++j) {
        const size_t n = static_cast<size_t>(j);
        tickX_[n] = twips.x(look.ticks[n]);
        QFrame* tick = filledLine(this, indexed("SCROLLSKALAMARK", 3 * i + j), Qt::black);
        tick->setGeometry(tickX_[n], tickTop, 1, twips.y(kTickBottom) - tickTop);
    }
    min_ = new QLabel(this);
    min_->setObjectName(indexed("SCROLLMIN", i));
    middle_ = new QLabel(this);
    middle_->setObjectName(indexed("SCROLLSKALA", i));
    max_ = new QLabel(this);
    max_->setObjectName(indexed("SCROLLMAX", i));
    setScale(GaugeScale(facts.designScale));

    if (facts.readout != 0) {
        value_ = new QLabel(QStringLiteral("0"), this);
        value_->setObjectName(indexed("AnzT", facts.readout));
        value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    retranslate();
}

void GaugePanel::retranslate() {
    const GaugeLook& look = lookOf(id_);
    const GaugeFacts facts = factsOf(id_);
    caption_->setText(facts.caption);
    caption_->adjustSize();
    caption_->setGeometry(twips_.x(kCaptionLeft), twips_.y(kCaptionTop), caption_->width(),
                          twips_.y(kReadoutHeight));
    subCaption_->setText(QStringLiteral("(%1)").arg(facts.meaning));
    // A long meaning is drawn in a smaller face rather than run into the box.
    fitText(subCaption_, box_->x() - kReadoutGapBeforeBox - subCaption_->x());
    subCaption_->adjustSize();
    box_->setToolTip(look.boxTip != nullptr ? text(look.boxTip) : QString());
    bar_->setToolTip(text(look.barTip));
    if (value_ != nullptr) {
        // The read-out fills the room the caption leaves before the box.
        const int left = caption_->x() + caption_->width() + kReadoutGapAfterCaption;
        const int right = box_->x() - kReadoutGapBeforeBox;
        value_->setGeometry(left, twips_.y(look.readoutTop), std::max(0, right - left),
                            twips_.y(kReadoutHeight));
        fitReadoutText();
    }
}

QColor GaugePanel::barColour() const {
    return factsOf(id_).colour;
}

double GaugePanel::usableLength() const {
    return box_->width() - 2.0 * bar_->x();
}

void GaugePanel::setBarWidth(double pixels) {
    barWidth_ = pixels;
    // Only the drawn width is snapped to whole pixels; a huge value is cut to what a widget takes.
    const double drawn = std::clamp(std::nearbyint(pixels), 0.0, double{QWIDGETSIZE_MAX});
    bar_->resize(std::isfinite(drawn) ? static_cast<int>(drawn) : 0, bar_->height());
    announceValueIfChanged();
}

double GaugePanel::valueFromBar() const {
    const double minimum = scale_.minimum();
    const double maximum = scale_.maximum();
    return minimum + roundHalfEven((maximum - minimum) / usableLength() * barWidth_);
}

void GaugePanel::showOnBar(double value, double fullScale) {
    setBarWidth(value * usableLength() / fullScale);
}

void GaugePanel::placeMarkAtBarEnd() {
    if (mark_ == nullptr) {
        return;
    }
    const double end = bar_->x() + barWidth_;
    // The 2-pixel line is centred on the bar's end.
    mark_->move(static_cast<int>(std::nearbyint(end)) - mark_->width() / 2, mark_->y());
    mark_->raise();
    mark_->show();
}

void GaugePanel::setValueText(double value, int decimals) {
    if (value_ == nullptr) {
        return;
    }
    value_->setText(numberText(value, std::clamp(decimals, 0, kMaxReadoutDecimals)));
    fitReadoutText();
}

void GaugePanel::fitReadoutText() {
    fitText(value_, value_->contentsRect().width());
}

void GaugePanel::fitText(QLabel* label, int room) const {
    QFont face = font();
    while (face.pointSizeF() > kSmallestReadoutPoints &&
           QFontMetrics(face).horizontalAdvance(label->text()) > room) {
        face.setPointSizeF(face.pointSizeF() - 0.25);
    }
    label->setFont(face);
}

void GaugePanel::setScale(const GaugeScale& scale) {
    scale_ = scale;
    min_->setText(scale.minimumText());
    middle_->setText(scale.middleText());
    max_->setText(scale.maximumText());
    placeScaleLabels();
}

void GaugePanel::placeScaleLabels() {
    const std::array<QLabel*, 3> labels{min_, middle_, max_};
    const int top = twips_.y(kScaleTop);
    for (size_t j = 0; j < labels.size(); ++j) {
        QLabel* label = labels[j];
        if (label == nullptr) {
            return; // still under construction
        }
        const QSize size = label->sizeHint();
        // Centred under the tick, but never cut off by the panel's edges.
        const int left = std::clamp(tickX_[j] - size.width() / 2, frameWidth(),
                                    std::max(frameWidth(), width() - frameWidth() - size.width()));
        label->setGeometry(left, top, size.width(), size.height());
    }
}

bool GaugePanel::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        placeScaleLabels();
    }
    return QFrame::event(event);
}

void GaugePanel::setFromPointer(double xFromBarLeft) {
    double width = 1.0;
    if (xFromBarLeft > 0.0) {
        width = std::min(xFromBarLeft, usableLength());
    }
    setBarWidth(width);
    emit barSet(id_);
    announceValueIfChanged();
}

bool GaugePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != bar_ && watched != box_) {
        return QFrame::eventFilter(watched, event);
    }
    if (isTouchOrPen(event)) {
        return touchOrPen(watched, event);
    }
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool move = type == QEvent::MouseMove;
    if (!press && !move) {
        return QFrame::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (move && mouse->buttons() == Qt::NoButton) {
        return false;
    }
    // The impact gauge is only a display: dragging across its box must not move it, so only a
    // press there or a drag that started on the red bar itself sets a reference.
    if (move && watched == box_ && id_ == GaugeImpacts) {
        return true;
    }
    const double x = mouse->position().x();
    setFromPointer(watched == bar_ ? x : x - bar_->x());
    return true;
}

} // namespace vozavero
