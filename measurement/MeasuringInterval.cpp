// Closing of measuring intervals: turns the impacts of a completed interval into a rate, records
// the row, keeps the time axis and the impact scale, and works out the impact gauge's bar.
#include "MeasuringInterval.h"

#include "NumberText.h"
#include "RoundHalfEven.h"

#include <algorithm>

namespace vozavero {

namespace {

// The time axes never end before this, seconds.
constexpr double kMinimumTimeAxisMax = 160.0;

} // namespace

MeasuringInterval::Closed MeasuringInterval::tick(std::int32_t measuringInterval,
                                                  std::int32_t impactCount, bool recording,
                                                  const EngineCopy& values,
                                                  MeasurementCharts& charts, double& impactAxisMax,
                                                  double usableWidth) {
    // An interval shortened while running closes on the next tick, hence ">=" rather than "==".
    ++ticks_;
    if (ticks_ < measuringInterval) {
        return {};
    }
    ticks_ = 0;

    Closed result;
    result.closed = true;

    // Time moves on only with recorded rows: the first row of a series is at 0.
    const chart::Chart& timeline = charts.pressureTimeChart();
    result.time = timeline.count() == 0 ? 0.0 : timeline.x(timeline.count()) + measuringInterval;
    result.timeAxisMax = result.time >= kMinimumTimeAxisMax ? result.time : kMinimumTimeAxisMax;
    result.rate = static_cast<double>(impactCount) / static_cast<double>(measuringInterval);

    if (recording) {
        charts.recordRow(result.time, result.rate, values);
    }
    charts.setTimeAxisMaximum(result.timeAxisMax);

    result.shownRate = truncateTo<std::int32_t>(result.rate);
    if (result.shownRate > impactAxisMax) {
        impactAxisMax = result.shownRate;
        charts.setImpactAxisMaximum(impactAxisMax);
    }

    const GaugeScale scale = gaugeScale(impactAxisMax, result.shownRate, usableWidth);
    result.barWidth = scale.barWidth;
    result.maxCaption = scale.maxCaption;
    result.middleCaption = scale.middleCaption;
    return result;
}

MeasuringInterval::GaugeScale
MeasuringInterval::gaugeScale(double impactAxisMax, std::int32_t shownRate, double usableWidth) {
    GaugeScale scale;
    scale.barWidth = std::max(1.0, roundHalfEven(usableWidth / impactAxisMax * shownRate));
    // The scale captions show whole numbers; the middle one is the integer half of the maximum.
    scale.maxCaption = numberText(impactAxisMax);
    scale.middleCaption = QString::number(roundTo<std::int64_t>(impactAxisMax) / 2);
    return scale;
}

} // namespace vozavero
