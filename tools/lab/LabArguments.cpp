// Parsing and checking the command line of vozavero-lab; German one-line reasons.
#include "LabArguments.h"

#include <QSet>
#include <cmath>
#include <limits>

namespace vozavero {

namespace {

struct Range {
    double low;
    double high;
    const char* name;
};

// The ranges automatic mode keeps each quantity in.
constexpr Range kCountRange{1.0, 50.0, "Teilchenzahl"};
constexpr Range kSpeedRange{1.0, 30.0, "Geschwindigkeit"};
constexpr Range kWidthRange{50.0, 500.0, "Fläche"};

bool inRange(double v, const Range& r) {
    return v >= r.low && v <= r.high;
}

QString rangeText(const Range& r) {
    return QStringLiteral("%1 bis %2").arg(r.low).arg(r.high);
}

// A number with a dot as decimal separator, finite.
std::optional<double> number(const QString& text) {
    bool ok = false;
    const double v = text.trimmed() == text ? text.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

// A whole number of digits only, within 0..most.
std::optional<qulonglong> whole(const QString& text, qulonglong most) {
    if (text.isEmpty() || text.size() > 12) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    const qulonglong v = text.toULongLong();
    if (v > most) {
        return std::nullopt;
    }
    return v;
}

} // namespace

QString LabArguments::usage() {
    return QStringLiteral("Aufruf: vozavero-lab --vary count|speed|area --from A --to B --step S "
                          "[--count N] [--speed V] [--width W] [--seconds T] [--interval I] "
                          "[--seed K] --out DIR");
}

std::optional<LabArguments> LabArguments::parse(const QStringList& arguments, QString* error) {
    const auto fail = [error](const QString& reason) -> std::optional<LabArguments> {
        if (error) {
            *error = reason;
        }
        return std::nullopt;
    };
    static const QStringList kOptions = {
        QStringLiteral("--vary"),  QStringLiteral("--from"),    QStringLiteral("--to"),
        QStringLiteral("--step"),  QStringLiteral("--count"),   QStringLiteral("--speed"),
        QStringLiteral("--width"), QStringLiteral("--seconds"), QStringLiteral("--interval"),
        QStringLiteral("--seed"),  QStringLiteral("--out")};

    LabArguments result;
    QHash<QString, QString> given;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QStringLiteral("--help") || option == QStringLiteral("-h")) {
            result.helpWanted = true;
            return result;
        }
        if (!kOptions.contains(option)) {
            return fail(QStringLiteral("Unbekanntes Argument „%1“.").arg(option));
        }
        if (given.contains(option)) {
            return fail(QStringLiteral("„%1“ ist mehrfach angegeben.").arg(option));
        }
        if (i + 1 >= arguments.size()) {
            return fail(QStringLiteral("Zu „%1“ fehlt der Wert.").arg(option));
        }
        given.insert(option, arguments[++i]);
    }
    for (const char* required : {"--vary", "--from", "--to", "--step", "--out"}) {
        if (!given.contains(QLatin1String(required))) {
            return fail(QStringLiteral("„%1“ fehlt.").arg(QLatin1String(required)));
        }
    }

    SweepPlan& plan = result.plan;
    const QString vary = given.value(QStringLiteral("--vary"));
    const Range* variedRange = nullptr;
    QString variedOption;
    if (vary == QStringLiteral("count")) {
        plan.varied = SweepPlan::Quantity::Count;
        variedRange = &kCountRange;
        variedOption = QStringLiteral("--count");
    } else if (vary == QStringLiteral("speed")) {
        plan.varied = SweepPlan::Quantity::Speed;
        variedRange = &kSpeedRange;
        variedOption = QStringLiteral("--speed");
    } else if (vary == QStringLiteral("area")) {
        plan.varied = SweepPlan::Quantity::Area;
        variedRange = &kWidthRange;
        variedOption = QStringLiteral("--width");
    } else {
        return fail(
            QStringLiteral("--vary muss count, speed oder area sein, nicht „%1“.").arg(vary));
    }
    if (given.contains(variedOption)) {
        return fail(QStringLiteral("%1 gehört zur veränderten Größe; ihre Werte geben --from, --to "
                                   "und --step an.")
                        .arg(variedOption));
    }

    struct Fixed {
        const char* option;
        double* target;
        const Range* range;
    };
    for (const Fixed& f :
         {Fixed{"--count", &plan.count, &kCountRange}, Fixed{"--speed", &plan.speed, &kSpeedRange},
          Fixed{"--width", &plan.width, &kWidthRange}}) {
        const QString option = QLatin1String(f.option);
        if (!given.contains(option)) {
            continue;
        }
        const std::optional<double> v = number(given.value(option));
        if (!v || !inRange(*v, *f.range)) {
            return fail(QStringLiteral("%1 muss eine Zahl von %2 sein (%3).")
                            .arg(option, rangeText(*f.range), QString::fromUtf8(f.range->name)));
        }
        *f.target = *v;
    }

    for (const auto& [option, target] :
         {std::pair{"--from", &plan.from}, std::pair{"--to", &plan.to}}) {
        const std::optional<double> v = number(given.value(QLatin1String(option)));
        if (!v || !inRange(*v, *variedRange)) {
            return fail(QStringLiteral("%1 muss eine Zahl von %2 sein (%3).")
                            .arg(QLatin1String(option), rangeText(*variedRange),
                                 QString::fromUtf8(variedRange->name)));
        }
        *target = *v;
    }
    const std::optional<double> step = number(given.value(QStringLiteral("--step")));
    if (!step || *step == 0.0) {
        return fail(QStringLiteral("--step muss eine Zahl ungleich 0 sein."));
    }
    plan.step = *step;
    if ((plan.to - plan.from) / plan.step < 0.0) {
        return fail(QStringLiteral("Mit --step %1 kommt die Reihe von --from nicht zu --to.")
                        .arg(given.value(QStringLiteral("--step"))));
    }
    const double values = std::floor((plan.to - plan.from) / plan.step + 1e-6) + 1.0;
    if (values < 2.0) {
        return fail(QStringLiteral("Die Reihe braucht mindestens zwei Werte."));
    }
    if (values > kMostValues) {
        return fail(QStringLiteral("Die Reihe hat mehr als %1 Werte.").arg(kMostValues));
    }

    if (given.contains(QStringLiteral("--interval"))) {
        const std::optional<qulonglong> v = whole(given.value(QStringLiteral("--interval")), 10);
        if (!v || !QList<qulonglong>{1, 2, 3, 5, 10}.contains(*v)) {
            return fail(QStringLiteral("--interval muss 1, 2, 3, 5 oder 10 Sekunden sein."));
        }
        plan.interval = static_cast<int>(*v);
    }
    if (given.contains(QStringLiteral("--seconds"))) {
        const std::optional<qulonglong> v =
            whole(given.value(QStringLiteral("--seconds")), kMostSeconds);
        if (!v || *v == 0) {
            return fail(QStringLiteral("--seconds muss eine ganze Zahl von 1 bis %1 sein.")
                            .arg(kMostSeconds));
        }
        plan.seconds = static_cast<int>(*v);
    }
    if (plan.seconds % plan.interval != 0) {
        return fail(QStringLiteral("--seconds (%1) muss ein Vielfaches des Messintervalls (%2) "
                                   "sein.")
                        .arg(plan.seconds)
                        .arg(plan.interval));
    }
    if (given.contains(QStringLiteral("--seed"))) {
        const std::optional<qulonglong> v =
            whole(given.value(QStringLiteral("--seed")), std::numeric_limits<std::uint32_t>::max());
        if (!v) {
            return fail(QStringLiteral("--seed muss eine ganze Zahl von 0 bis 4294967295 sein."));
        }
        plan.seed = static_cast<std::uint32_t>(*v);
    }
    result.outDir = given.value(QStringLiteral("--out"));
    if (result.outDir.isEmpty()) {
        return fail(QStringLiteral("--out braucht einen Ordner."));
    }
    return result;
}

} // namespace vozavero
