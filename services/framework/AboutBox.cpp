// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Builds the about box from the product information: the application icon (when there is one)
// beside a large title, the version, the product name and the notice line.
#include "AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vozavero {

namespace {

/// Smallest size of the OK button in pixels, for a finger or a pen on a whiteboard.
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 48;
/// Edge of the application icon in pixels.
constexpr int kIconSize = 64;

QLabel* addLine(QVBoxLayout* layout, QWidget* parent, const QString& text, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setVisible(!text.isEmpty());
    layout->addWidget(label);
    return label;
}

} // namespace

AboutBox::AboutBox(const ProductInfo& info, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("Info"));
    setModal(true);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    QLabel* title = addLine(texts, this, info.title, QStringLiteral("aboutTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.0);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setWordWrap(false);

    const QString version = info.version.isEmpty() ? QString() : tr("Version %1").arg(info.version);
    addLine(texts, this, version, QStringLiteral("aboutVersion"));
    addLine(texts, this, info.productName, QStringLiteral("aboutProductName"));

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setVisible(!info.notice.isEmpty());
    texts->addWidget(rule);
    QLabel* notice = addLine(texts, this, info.notice, QStringLiteral("aboutNotice"));
    notice->setMinimumWidth(320);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(20);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("aboutIcon"));
        picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
        picture->setAlignment(Qt::AlignTop);
        top->addWidget(picture);
    }
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("aboutOk"));
    ok->setText(tr("OK"));
    ok->setMinimumSize(kButtonWidth, kButtonHeight);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 16);
    layout->setSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

} // namespace vozavero
