// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The services of the application framework that windows call: message and question boxes,
// product information with its about box, the number input aid and the first-paint notice.
// Windows receive one FrameworkServices object; tests hand in a scripted one so that no modal box
// ever waits for a person.
#pragma once
#include <QString>

class QLineEdit;
class QWidget;

namespace vozavero {

/// What the about box shows.
struct ProductInfo {
    QString notice;      ///< the product's notice line
    QString productName; ///< "Vozavero"
    QString title;       ///< "Vozavero"
    QString version;     ///< major.minor.revision
    /// The application's help file name; kept with the product, no command opens it.
    QString helpFile;
};

class FrameworkServices {
public:
    static constexpr int kAnswerYes = 6;
    static constexpr int kAnswerNo = 7;

    virtual ~FrameworkServices() = default;
    /// Modal box with the text unchanged, an empty title and one button; returns when closed.
    virtual void message(const QString& text) = 0;
    /// Modal Yes/No box with an empty title; kAnswerYes for Yes, any other code otherwise.
    /// safeAnswer (kAnswerYes or kAnswerNo) is what Enter, Escape and the close box give: the
    /// answer that loses nothing.
    virtual int question(const QString& text, int safeAnswer = kAnswerNo) = 0;
    /// Keeps the product information for the about box.
    virtual void setProductInfo(const ProductInfo& info) = 0;
    virtual const ProductInfo& productInfo() const = 0;
    /// Modal about box with the product information.
    virtual void about() = 0;
    /// Modal on-screen number pad that edits the text of field; caption names the quantity.
    virtual void inputAid(QLineEdit* field, const QString& caption) = 0;
    /// Called once, on the first paint of the main window.
    virtual void firstPaint() = 0;
    /// A start-up trace label in a plain box with an OK button and the application's title.
    virtual void traceMessage(const QString& text) { message(text); }
};

} // namespace vozavero
