// Closing of measuring intervals: turns the impacts of a completed interval into a rate, records
// the row, keeps the time axis and the impact scale, and works out the impact gauge's bar.
#include "MeasuringInterval.h"

#include "NumberText.h"
#include "RoundHalfEven.h"

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

    result.barWidth = roundHalfEven(usableWidth / impactAxisMax * result.shownRate);
    if (result.barWidth < 1.0) {
        result.barWidth = 1.0;
    }

    // The scale captions show whole numbers; the middle one is the integer half of the maximum.
    const auto wholeMax = roundTo<std::int64_t>(impactAxisMax);
    result.maxCaption = numberText(impactAxisMax);
    result.middleCaption = QString::number(wholeMax / 2);
    return result;
}

} // namespace vozavero
