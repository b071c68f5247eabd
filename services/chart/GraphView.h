// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The document's view of the graph: the picture that was last drawn on the graph surface, which
// can be copied to the clipboard as an image or printed on a page.
#pragma once
#include <QImage>
#include <QString>

namespace vozavero::chart {

class PrintAdaptor;

class GraphView {
public:
    /// Remembers the picture the graph was last drawn into (shared, not copied).
    void setPicture(const QImage& picture) { picture_ = picture; }
    const QImage& picture() const { return picture_; }

    /// Heading printed above the graph, usually the document's name; none when empty.
    void setHeading(const QString& heading) { heading_ = heading; }
    const QString& heading() const { return heading_; }

    /// Puts the graph picture on the clipboard as an image. The flag is kept for the caller's
    /// convenience and always honoured as "the whole graph".
    void copyGraph(bool whole = true) const;
    /// Prints the graph scaled to fit the page, keeping its aspect ratio, beneath the heading.
    /// Returns false when printing could not start.
    bool printGraph(PrintAdaptor& adaptor, bool whole = true) const;

private:
    QImage picture_;
    QString heading_;
};

} // namespace vozavero::chart
