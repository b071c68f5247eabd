// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Parsing and checking the command line of vozavero-lab; one-line reasons.
#include "LabArguments.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vozavero {

namespace {

QString rangeText(const ValueRange& r) {
    return LabArguments::tr("%1 bis %2").arg(r.low).arg(r.high);
}

QString outOfRange(const QString& option, const Quantity& q, const QString& given) {
    return QCoreApplication::translate("LabArguments",
                                       "%1 muss eine Zahl von %2 sein (%3), nicht „%4“.")
        .arg(option, rangeText(q.labArgument), q.nameText(), given.left(40));
}

// The whole text as one finite number, with a dot or a comma as decimal separator ("2.5" and
// "2,5" alike, whatever the language setting: a command line has no lists a comma could split).
std::optional<double> number(QString text) {
    if (text.trimmed() != text || text.count(u',') + text.count(u'.') > 1) {
        return std::nullopt;
    }
    text.replace(u',', u'.');
    bool ok = false;
    const double v = text.toDouble(&ok);
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
    return tr("Aufruf: vozavero-lab --vary count|speed|area --from A --to B --step S "
              "[--count N] [--speed V] [--width W] [--seconds T] [--interval I] "
              "[--seed K] --out DIR\n"
              "       vozavero-lab --help | --version");
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
        if (option == QStringLiteral("--version")) {
            result.versionWanted = true;
            return result;
        }
        if (!kOptions.contains(option)) {
            return fail(tr("Unbekanntes Argument „%1“.").arg(option));
        }
        if (given.contains(option)) {
            return fail(tr("„%1“ ist mehrfach angegeben.").arg(option));
        }
        if (i + 1 >= arguments.size()) {
            return fail(tr("Zu „%1“ fehlt der Wert.").arg(option));
        }
        given.insert(option, arguments[++i]);
    }
    for (const char* required : {"--vary", "--from", "--to", "--step", "--out"}) {
        if (!given.contains(QLatin1String(required))) {
            return fail(tr("„%1“ fehlt.").arg(QLatin1String(required)));
        }
    }

    SweepPlan& plan = result.plan;
    const QString vary = given.value(QStringLiteral("--vary"));
    const Quantity* varied = Quantity::ofKey(vary);
    if (varied == nullptr) {
        return fail(tr("--vary muss count, speed oder area sein, nicht „%1“.").arg(vary));
    }
    plan.varied = varied->id;
    const QString variedOption = QLatin1String(varied->labOption);
    if (given.contains(variedOption)) {
        return fail(tr("%1 gehört zur veränderten Größe; ihre Werte geben --from, --to "
                       "und --step an.")
                        .arg(variedOption));
    }

    for (const Quantity& q : Quantity::all()) {
        const QString option = QLatin1String(q.labOption);
        if (!given.contains(option)) {
            continue;
        }
        const std::optional<double> v = number(given.value(option));
        if (!v || !q.labArgument.contains(*v)) {
            return fail(outOfRange(option, q, given.value(option)));
        }
        plan.fixed.at(static_cast<size_t>(q.id)) = *v;
    }

    for (const auto& [option, target] :
         {std::pair{"--from", &plan.from}, std::pair{"--to", &plan.to}}) {
        const std::optional<double> v = number(given.value(QLatin1String(option)));
        if (!v || !varied->labArgument.contains(*v)) {
            return fail(
                outOfRange(QLatin1String(option), *varied, given.value(QLatin1String(option))));
        }
        *target = *v;
    }
    const std::optional<double> step = number(given.value(QStringLiteral("--step")));
    if (!step || *step == 0.0) {
        return fail(tr("--step muss eine Zahl ungleich 0 sein."));
    }
    plan.step = *step;
    if ((plan.to - plan.from) / plan.step < 0.0) {
        return fail(tr("Mit --step %1 kommt die Reihe von --from nicht zu --to.")
                        .arg(given.value(QStringLiteral("--step"))));
    }
    const double values = std::floor((plan.to - plan.from) / plan.step + 1e-6) + 1.0;
    if (values < 2.0) {
        return fail(tr("Die Reihe braucht mindestens zwei Werte."));
    }
    if (values > kMostValues) {
        return fail(tr("Die Reihe hat mehr als %1 Werte.").arg(kMostValues));
    }

    if (given.contains(QStringLiteral("--interval"))) {
        const std::optional<qulonglong> v = whole(given.value(QStringLiteral("--interval")), 10);
        const auto& choices = MeasuringInterval::kChoices;
        if (!v || std::find(choices.begin(), choices.end(), static_cast<std::int32_t>(*v)) ==
                      choices.end()) {
            return fail(tr("--interval muss 1, 2, 3, 5 oder 10 Sekunden sein."));
        }
        plan.interval = static_cast<int>(*v);
    }
    if (given.contains(QStringLiteral("--seconds"))) {
        const std::optional<qulonglong> v =
            whole(given.value(QStringLiteral("--seconds")), kMostSeconds);
        if (!v || *v == 0) {
            return fail(tr("--seconds muss eine ganze Zahl von 1 bis %1 sein.").arg(kMostSeconds));
        }
        plan.seconds = static_cast<int>(*v);
    }
    if (plan.seconds % plan.interval != 0) {
        return fail(tr("--seconds (%1) muss ein Vielfaches des Messintervalls (%2) "
                       "sein.")
                        .arg(plan.seconds)
                        .arg(plan.interval));
    }
    if (given.contains(QStringLiteral("--seed"))) {
        const std::optional<qulonglong> v =
            whole(given.value(QStringLiteral("--seed")), std::numeric_limits<std::uint32_t>::max());
        if (!v) {
            return fail(tr("--seed muss eine ganze Zahl von 0 bis 4294967295 sein."));
        }
        plan.seed = static_cast<std::uint32_t>(*v);
    }
    result.outDir = given.value(QStringLiteral("--out"));
    if (result.outDir.isEmpty()) {
        return fail(tr("--out braucht einen Ordner."));
    }
    return result;
}

} // namespace vozavero
