// Tests of the graph view's copy and print and of the print adaptor's choice of printer.
#include "chart/GraphView.h"
#include "chart/PrintAdaptor.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vozavero::chart::GraphView;
using vozavero::chart::PrintAdaptor;

namespace {

QImage graphPicture() {
    QImage image(320, 160, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    image.setPixelColor(10, 20, Qt::red);
    return image;
}

bool isPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() > 500 && file.read(5) == "%PDF-";
}

} // namespace

TEST(GraphView, CopyPutsThePictureOnTheClipboard) {
    GraphView view;
    view.setPicture(graphPicture());
    QGuiApplication::clipboard()->clear();
    view.copyGraph(true);
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(320, 160));
    EXPECT_EQ(copied.pixelColor(10, 20), QColor(Qt::red));
    EXPECT_EQ(copied.pixelColor(11, 20), QColor(Qt::white));
}

TEST(GraphView, PrintsIntoAPdfFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintAdaptor adaptor;
    GraphView view;
    view.setHeading(QStringLiteral("Vozavero"));

    const QString empty = dir.filePath(QStringLiteral("leer.pdf"));
    adaptor.usePdfFile(empty);
    EXPECT_TRUE(view.printGraph(adaptor, true)); // before any drawing: the heading alone
    EXPECT_TRUE(isPdf(empty));

    const QString graph = dir.filePath(QStringLiteral("graph.pdf"));
    adaptor.usePdfFile(graph);
    view.setPicture(graphPicture());
    EXPECT_TRUE(view.printGraph(adaptor, true));
    EXPECT_TRUE(isPdf(graph));
    EXPECT_GT(QFileInfo(graph).size(), QFileInfo(empty).size());
}

TEST(GraphView, PrintReportsAPrinterThatCannotStart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PrintAdaptor adaptor;
    adaptor.usePdfFile(dir.filePath(QStringLiteral("datei/graph.pdf")));
    GraphView view;
    view.setPicture(graphPicture());
    EXPECT_FALSE(view.printGraph(adaptor));
}

TEST(PrintAdaptor, KeepsOnePrinterAndSwitchesBetweenSystemAndFile) {
    PrintAdaptor adaptor;
    QPrinter* const printer = &adaptor.printer();

    adaptor.usePdfFile(QStringLiteral("/tmp/probe.pdf"));
    EXPECT_EQ(adaptor.printer().outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(adaptor.description(), QStringLiteral("/tmp/probe.pdf"));

    adaptor.useSystemPrinter();
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (system.isNull()) {
        EXPECT_EQ(adaptor.printer().outputFormat(), QPrinter::PdfFormat);
        EXPECT_TRUE(adaptor.description().endsWith(QStringLiteral("teilchen.pdf")));
    } else {
        EXPECT_EQ(adaptor.description(), system.printerName());
    }
    EXPECT_EQ(&adaptor.printer(), printer);
}
