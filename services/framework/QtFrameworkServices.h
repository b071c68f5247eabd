// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The production framework services: toolkit message boxes, the about box and the on-screen
// number pad, all parented to the window given at construction.
#pragma once
#include "FrameworkServices.h"

#include <QCoreApplication>

namespace vozavero {

class QtFrameworkServices : public FrameworkServices {
    Q_DECLARE_TR_FUNCTIONS(QtFrameworkServices)

public:
    explicit QtFrameworkServices(QWidget* parent = nullptr)
        : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text) override;
    int question(const QString& text, int safeAnswer = kAnswerNo) override;
    void setProductInfo(const ProductInfo& info) override { info_ = info; }
    const ProductInfo& productInfo() const override { return info_; }
    void about() override;
    void inputAid(QLineEdit* field, const QString& caption) override;
    void firstPaint() override {}
    void traceMessage(const QString& text) override;

private:
    QWidget* parent_;
    ProductInfo info_;
};

} // namespace vozavero
