// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The command line of vozavero-lab: which quantity to sweep, from where to where in which steps,
// the fixed quantities, the simulated seconds per value, the measuring interval, the seed and the
// output folder. Checks every value before anything runs, so that bad arguments write nothing.
#pragma once
#include "Sweep.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace vozavero {

struct LabArguments {
    Q_DECLARE_TR_FUNCTIONS(LabArguments)

public:
    SweepPlan plan;
    QString outDir;
    bool helpWanted = false;
    bool versionWanted = false;

    /// Parses the arguments after the program name. Empty with a one-line reason in the
    /// program's language in error when they are not a valid sweep.
    static std::optional<LabArguments> parse(const QStringList& arguments, QString* error);

    /// The usage line.
    static QString usage();

    /// Most values one sweep may visit.
    static constexpr int kMostValues = 500;
    /// Most simulated seconds per value.
    static constexpr int kMostSeconds = 3600;
};

} // namespace vozavero
