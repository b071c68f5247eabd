// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Opening a chart document: the open dialog (the toolkit's own, so its captions come from the
// toolkit's catalogue of the program's language on every desktop) and reading the chosen file.
#include "DocumentOpener.h"

#include "ChartFile.h"

#include <QFileDialog>
#include <QFileInfo>

namespace vozavero::chart {

namespace {

QString chooseWithDialog(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, DocumentOpener::tr("Messreihe öffnen"), folder,
                       DocumentOpener::tr("Messreihen (*.kpx);;Alle Dateien (*)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

} // namespace

DocumentOpener::DocumentOpener(QWidget* parent)
    : parent_(parent)
    , chooser_([this](const QString& folder) { return chooseWithDialog(parent_, folder); }) {}

std::unique_ptr<ChartDocument> DocumentOpener::open(const QString& fallbackFolder, QString* error) {
    if (error) {
        error->clear();
    }
    const QString path = choose(fallbackFolder);
    if (path.isEmpty()) {
        return nullptr;
    }
    return read(path, error);
}

QString DocumentOpener::choose(const QString& fallbackFolder) {
    return chooser_(lastFolder_.isEmpty() ? fallbackFolder : lastFolder_);
}

std::unique_ptr<ChartDocument> DocumentOpener::read(const QString& path, QString* error) {
    lastFolder_ = QFileInfo(path).absolutePath();
    return ChartFile::load(path, error, titles_);
}

} // namespace vozavero::chart
