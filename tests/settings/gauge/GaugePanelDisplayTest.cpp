// What the gauges show: bars redrawn from a setting, the value read-out, the mapping from the
// scale captions, and the placement of captions and read-outs on the panel.
#include "GaugePanel.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace vozavero;

namespace {

std::unique_ptr<GaugePanel> gauge(GaugeId id) {
    return std::make_unique<GaugePanel>(id, Twips{});
}

TEST(GaugeDisplay, RedrawFromASettingStartsAtZeroAndKeepsTheComputedWidth) {
    auto g = gauge(GaugeCount);
    g->setScaleCaptions("2", "25", "50");
    g->showOnBar(26, 50);
    EXPECT_DOUBLE_EQ(g->barWidth(), 26.0 / 50.0 * g->usableLength());
    EXPECT_EQ(g->bar()->width(), 109); // 108.68 drawn on whole pixels
    // Read back on the caption scale (2..50) the same bar stands for a little more than 26.
    EXPECT_EQ(g->valueFromBar(), 27.0);

    g->showOnBar(-3, 50);
    EXPECT_DOUBLE_EQ(g->barWidth(), -3.0 * 209.0 / 50.0);
    EXPECT_EQ(g->bar()->width(), 0);
}

TEST(GaugeDisplay, FractionalValueUsesTheUsersDecimalSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto g = gauge(GaugeCount);
    g->setValueText(7.5);
    const QString shown = g->valueLabel()->text();
    g->showOnBar(7.5, 50);
    QLocale::setDefault(previous);
    EXPECT_EQ(shown, "7,5");
    EXPECT_DOUBLE_EQ(g->barWidth(), 7.5 / 50.0 * 209.0);
}

TEST(GaugeDisplay, ReadOutsHoldThreeDigitsAndDecimalsBesideTheirCaption) {
    for (const GaugeId id : {GaugeCount, GaugeSpeed, GaugeVolume}) {
        auto g = gauge(id);
        const QLabel* readout = g->valueLabel();
        EXPECT_EQ(readout->text(), "0");
        const QFontMetrics metrics(readout->font());
        for (const char* text : {"50", "500", "7,5"}) {
            EXPECT_LE(metrics.horizontalAdvance(QString::fromLatin1(text)),
                      readout->contentsRect().width())
                << text << " on gauge " << id;
        }
        const int captionEnd =
            g->captionLabel()->x() +
            QFontMetrics(g->captionLabel()->font()).horizontalAdvance(g->captionLabel()->text());
        // The read-out is right-aligned: a three-digit number must stay clear of the caption.
        EXPECT_LT(captionEnd, readout->geometry().right() + 1 - metrics.horizontalAdvance("500"))
            << "gauge " << id;
        EXPECT_LE(readout->geometry().right(), g->box()->x());
    }
    EXPECT_EQ(gauge(GaugeImpacts)->valueLabel(), nullptr);
}

TEST(GaugeDisplay, MappingFollowsTheScaleCaptionsRoundingTiesToEven) {
    auto g = gauge(GaugeImpacts);
    g->setScaleCaptions("1", "600", "1200");
    g->setBarWidth(g->usableLength());
    EXPECT_EQ(g->valueFromBar(), 1200.0);

    // Captions are read as numbers and rounded; with 0..209 over 209 px one pixel is one unit,
    // so 62.5 px is a tie that goes to 62 and 63.5 px one that goes to 64.
    auto count = gauge(GaugeCount);
    count->setScaleCaptions("0", "x", "208.7 Teilchen");
    count->setBarWidth(62.5);
    EXPECT_EQ(count->valueFromBar(), 62.0);
    count->setBarWidth(63.5);
    EXPECT_EQ(count->valueFromBar(), 64.0);
}

TEST(GaugeDisplay, ScaleCaptionsSitCentredUnderTheirTicksAndInsideThePanel) {
    auto g = gauge(GaugeVolume);
    const char* labels[] = {"SCROLLMIN(3)", "SCROLLSKALA(3)", "SCROLLMAX(3)"};
    const int ticks[] = {140, 240, 348}; // 2100, 3600, 5220 twips
    for (int j = 0; j < 3; ++j) {
        const auto* label = g->findChild<QLabel*>(labels[j]);
        const auto* tick = g->findChild<QFrame*>(QStringLiteral("SCROLLSKALAMARK(%1)").arg(9 + j));
        ASSERT_TRUE(label && tick) << labels[j];
        EXPECT_EQ(tick->x(), ticks[j]);
        EXPECT_LE(tick->geometry().bottom(), label->y());
        if (j < 2) {
            EXPECT_NEAR(label->geometry().center().x(), ticks[j], 1) << labels[j];
        }
    }
    // A long maximum written straight into the label is placed again, inside the panel.
    auto impacts = gauge(GaugeImpacts);
    impacts->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(impacts.get()));
    impacts->maxLabel()->setText("1234567");
    QApplication::processEvents();
    EXPECT_GE(impacts->maxLabel()->width(), impacts->maxLabel()->sizeHint().width());
    EXPECT_LE(impacts->maxLabel()->geometry().right(),
              impacts->width() - impacts->frameWidth() - 1);
}

TEST(GaugeDisplay, BarsCarryTheirColoursAndTooltipsLetterForLetter) {
    const QColor colours[] = {QColor(0, 0, 255), QColor(11, 164, 11), QColor(255, 0, 0),
                              QColor(208, 167, 2)};
    for (const GaugeId id : {GaugeCount, GaugeSpeed, GaugeImpacts, GaugeVolume}) {
        EXPECT_EQ(gauge(id)->bar()->palette().color(QPalette::Window), colours[id]) << id;
    }
    EXPECT_EQ(gauge(GaugeCount)->bar()->toolTip(),
              "Hier kannst Du  die Anzahl der Vozavero im Kolbenprober festlegen");
    EXPECT_EQ(gauge(GaugeSpeed)->box()->toolTip(),
              "Hier kannst Du mit der Maus die Anzahl die Geschwindigkeit der Vozavero "
              "(entspricht der Temperatur) festlegen");
    EXPECT_EQ(gauge(GaugeVolume)->box()->toolTip(), "");
}

} // namespace
