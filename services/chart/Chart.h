// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One chart of the chart document: x and y axis, curve style and the list of measured points,
// indexed from 1 in insertion order and never sorted.
#pragma once
#include "ChartAxis.h"
#include "CurveStyle.h"

#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace vozavero::chart {

class PrintAdaptor;

class Chart {
public:
    explicit Chart(QString name = {})
        : name_(std::move(name)) {}

    /// Internal name, used by the program to find the chart.
    const QString& name() const { return name_; }
    /// Title for people, printed above the table; empty: "y title / x title".
    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    ChartAxis& xAxis() { return xAxis_; }
    const ChartAxis& xAxis() const { return xAxis_; }
    ChartAxis& yAxis() { return yAxis_; }
    const ChartAxis& yAxis() const { return yAxis_; }
    CurveStyle& curve() { return curve_; }
    const CurveStyle& curve() const { return curve_; }

    int count() const { return static_cast<int>(points_.size()); }
    /// x of point i, 1 <= i <= count().
    double x(int i) const;
    /// y of point i, 1 <= i <= count().
    double y(int i) const;
    void append(double x, double y) { points_.emplace_back(x, y); }
    /// Replaces y of point i, 1 <= i <= count(); x and the point's place stay.
    void replaceY(int i, double y);
    void clear() { points_.clear(); }
    const std::vector<QPointF>& points() const { return points_; }

    /// The table as tab-separated text: a header line "x caption<TAB>y caption", then one line
    /// per point; lines end in "\r\n". Numbers have the locale's decimal separator and a fixed
    /// number of decimals per column (see tableDecimals).
    QString tableText(const QLocale& locale = QLocale()) const;
    /// Decimals a table column of values is shown with: none when all are whole numbers,
    /// otherwise two, or as many as three significant digits of the smallest fraction need
    /// (at most six).
    static int tableDecimals(const std::vector<double>& values);
    /// The two columns of the table as text: decimals fixed per column (tableDecimals), the
    /// locale's decimal separator, no grouping.
    static std::pair<QStringList, QStringList> columnTexts(const std::vector<QPointF>& points,
                                                           QLocale locale);

    // Copying and printing need the clipboard and a printer; they live in ChartTableOutput.cpp,
    // part of the chart component's widget library.
    /// Puts tableText() on the clipboard. The flag asks for plain text (always honoured).
    void copyTable(bool plainText = true) const;
    /// Prints the table (title, header, rows; more pages as needed) on the adaptor's printer.
    /// Returns false when printing could not start.
    bool printTable(PrintAdaptor& adaptor, bool withTitle = true) const;

private:
    QString name_;
    QString title_;
    ChartAxis xAxis_;
    ChartAxis yAxis_;
    CurveStyle curve_;
    std::vector<QPointF> points_;
};

} // namespace vozavero::chart
