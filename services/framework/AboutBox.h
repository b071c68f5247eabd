// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The about box ("Info"): shows the product information handed over at start - title, version,
// product name and notice line - with one OK button sized for touch use.
#pragma once
#include "FrameworkServices.h"

#include <QDialog>

namespace vozavero {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(const ProductInfo& info, QWidget* parent = nullptr);
};

} // namespace vozavero
