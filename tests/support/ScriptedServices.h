// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Framework services that record every message, question and input-aid call and answer
// questions from a script: no modal box ever opens.
#pragma once
#include "framework/FrameworkServices.h"

#include <QLineEdit>
#include <QStringList>
#include <deque>
#include <functional>

namespace vozavero {

class ScriptedServices : public FrameworkServices {
public:
    void message(const QString& text) override {
        messages.append(text);
        if (whileOpen) {
            whileOpen();
        }
    }
    int question(const QString& text, int safeAnswer = kAnswerNo) override {
        questions.append(text);
        safeAnswers.append(safeAnswer);
        if (whileOpen) {
            whileOpen();
        }
        if (answers.empty()) {
            return kAnswerNo;
        }
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    void setProductInfo(const ProductInfo& info) override { info_ = info; }
    const ProductInfo& productInfo() const override { return info_; }
    void about() override { ++aboutCount; }
    void inputAid(QLineEdit* field, const QString& caption) override;
    void firstPaint() override { ++firstPaintCount; }

    QStringList messages;
    QStringList questions;
    /// The answer each question gives to Enter, Escape and the close box.
    QList<int> safeAnswers;
    std::deque<int> answers;
    /// Runs while a message or question box is open.
    std::function<void()> whileOpen;
    QStringList inputAidCaptions;
    /// Text the input aid writes into its field (none when unset).
    std::function<QString(const QString& current)> inputAidEdit;
    int aboutCount = 0;
    int firstPaintCount = 0;

private:
    ProductInfo info_;
};

} // namespace vozavero
