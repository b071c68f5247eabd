#pragma once
// Closing of measuring intervals: counts whole seconds, and on the second that completes the
// interval turns the impacts into a rate, records the row, keeps the time axis and the impact
// scale, and works out the impact gauge's bar and captions. The window shows the result.
#include "MeasurementCharts.h"

#include <QString>
#include <cstdint>

namespace vozavero {

class MeasuringInterval {
public:
    struct Closed {
        bool closed = false;        ///< false: the interval still runs, nothing else is set
        double time = 0.0;          ///< t of the row, seconds
        double timeAxisMax = 160;   ///< end of the time axes: max(160, time), seconds
        double rate = 0.0;          ///< impacts per second, with fraction (recorded)
        std::int32_t shownRate = 0; ///< rate truncated toward zero (shown)
        double barWidth = 1.0;      ///< impact gauge bar width in the gauge's units
        QString maxCaption;         ///< caption of the gauge's upper-end label
        QString middleCaption;      ///< caption of the gauge's middle label
    };

    /// One second has passed. When the interval is complete: computes the row from impactCount
    /// and values, records it while recording is set, updates the time-axis maximum, raises
    /// impactAxisMax when the shown rate exceeds it (never lowers it; the charts' impact axes
    /// follow at once) and computes the bar width for a bar of usableWidth (gauge units, pixels).
    /// measuringInterval is in seconds. Redrawing, the read-out and clearing impactCount are the
    /// caller's, in that order.
    Closed tick(std::int32_t measuringInterval, std::int32_t impactCount, bool recording,
                const EngineCopy& values, MeasurementCharts& charts, double& impactAxisMax,
                double usableWidth);

    /// The impact gauge for a scale ending at impactAxisMax (impacts per second) while it shows
    /// shownRate: bar width for a bar of usableWidth (gauge units, pixels, at least 1) and the
    /// captions of its upper-end and middle labels.
    struct GaugeScale {
        double barWidth = 1.0;
        QString maxCaption;
        QString middleCaption;
    };
    static GaugeScale gaugeScale(double impactAxisMax, std::int32_t shownRate, double usableWidth);

    std::int32_t ticks() const { return ticks_; }
    void reset() { ticks_ = 0; }

private:
    std::int32_t ticks_ = 0;
};

} // namespace vozavero
