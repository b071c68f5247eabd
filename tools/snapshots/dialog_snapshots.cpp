// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Developer tool: opens the program's dialogs and message boxes the way the program does, in the
// language the program starts in (or the one given: de, en) with the toolkit's catalogues for it,
// and saves a picture of each, so that their language can be checked under any system language
// (and their sharpness under QT_SCALE_FACTOR).
//
//   LANG=C build/tools/snapshots/dialog_snapshots OUTPUT_FOLDER [LANGUAGE]
//
// Writes save-dialog.png, replace-question.png, save-failed.png, quit-question.png,
// print-dialog.png and print-to-pdf.png.
#include "LanguageChoice.h"
#include "chart/DocumentManager.h"
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

/// Saves a picture of the modal box that opens next and closes it without an answer.
void grabNextBox(const QString& path) {
    QTimer::singleShot(700, [path] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            std::fprintf(stderr, "dialog_snapshots: no box for %s\n", qPrintable(path));
            return;
        }
        box->grab().save(path);
        if (auto* dialog = qobject_cast<QDialog*>(box)) {
            dialog->reject();
        } else {
            box->close();
        }
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const vozavero::LanguageChoice language;
    const QString chosen = argc > 2 ? QString::fromLocal8Bit(argv[2]) : language.startLanguage();
    if (!language.apply(chosen)) {
        std::fprintf(stderr, "dialog_snapshots: catalogues for %s missing\n", qPrintable(chosen));
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    vozavero::chart::ChartDocument doc(QStringLiteral("Vozavero"));
    doc.addChart().append(5, 100.0 / 3.0);
    doc.setDefaultFileName(
        QCoreApplication::translate("vozavero::SeriesFileCommands", "teilchen.kpx"));

    vozavero::chart::DocumentManager manager;
    grabNextBox(out.filePath("save-dialog.png"));
    manager.save(doc, QString());

    QFile existing(QDir(work.path()).filePath("reihe.kpx"));
    existing.open(QIODevice::WriteOnly);
    existing.close();
    manager.setFileChooser([&](const QString&) { return QDir(work.path()).filePath("reihe"); });
    grabNextBox(out.filePath("replace-question.png"));
    manager.save(doc, QString());

    manager.setFileChooser(
        [&](const QString&) { return QDir(work.path()).filePath("fehlt/teilchen.kpx"); });
    grabNextBox(out.filePath("save-failed.png"));
    manager.save(doc, QString());

    vozavero::QtFrameworkServices services;
    grabNextBox(out.filePath("quit-question.png"));
    services.question(QCoreApplication::translate("vozavero::MainWindow",
                                                  "Wollen Sie das Programm wirklich beenden?"));
    grabNextBox(out.filePath("print-to-pdf.png"));
    services.message(QCoreApplication::translate("vozavero::SeriesFileCommands",
                                                 "Es ist kein Drucker eingerichtet. Der Ausdruck "
                                                 "wurde als PDF-Datei gespeichert:\n%1")
                         .arg(QStringLiteral("/home/schule/Dokumente/teilchen.pdf")));

    QPrinter printer;
    QPrintDialog printDialog(&printer);
    grabNextBox(out.filePath("print-dialog.png"));
    printDialog.exec();
    return 0;
}
