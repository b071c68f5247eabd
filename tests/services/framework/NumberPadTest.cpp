// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The on-screen number pad's keys, big enough for fingers. Where it opens, the keyboard and the
// user's decimal separator are QtFrameworkServicesTest's.
#include "framework/NumberPad.h"
#include "DefaultLocale.h"

#include <QHash>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

/// Clicks the pad keys named by keys one after another ("<" is backspace, "C" clear).
void tap(QWidget* pad, const QString& keys) {
    static const QHash<QChar, QString> keyNames = {{u'.', QStringLiteral("numberPadPoint")},
                                                   {u'-', QStringLiteral("numberPadMinus")},
                                                   {u'<', QStringLiteral("numberPadBackspace")},
                                                   {u'C', QStringLiteral("numberPadClear")}};
    for (const QChar key : keys) {
        const QString name = keyNames.value(key, QStringLiteral("numberPadKey%1").arg(key));
        auto* button = pad->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

TEST(NumberPad, ClickedKeysEditTheTextAndAreBigEnoughForFingers) {
    // The marked start text is replaced by the first digit or point and kept without a key; one
    // decimal point only; a lone zero gives way to the next digit; minus toggles the sign, also
    // of the start text; backspace removes the last character and clear empties the text.
    const DefaultLocale english(QLocale::c());
    const struct {
        const char* start;
        const char* keys;
        const char* result;
    } cases[] = {{"250", "34", "34"},  {"12abc", "7", "7"},    {"3", ".", "0."},
                 {"3", "", "3"},       {"0", "1.5.2", "1.52"}, {"0", "C-.5", "-0.5"},
                 {"9", "05", "5"},     {"9", "0.05", "0.05"},  {"5", "--", "5"},
                 {"12", "-3", "-123"}, {"1", "C-3", "-3"},     {"+5", "-", "-5"},
                 {"250", "<<<<", ""},  {"-1.5", "<<", "-1"},   {"250", "C7", "7"}};
    for (const auto& c : cases) {
        NumberPad pad(QStringLiteral("Anzahl"), QString::fromUtf8(c.start));
        pad.show();
        tap(&pad, QString::fromUtf8(c.keys));
        EXPECT_EQ(pad.text(), QString::fromUtf8(c.result)) << c.start << " + " << c.keys;
    }

    // A full field takes no more digits; every key is big enough for a finger.
    NumberPad limited(QStringLiteral("Anzahl"), QStringLiteral("0"));
    limited.setMaxLength(3);
    limited.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&limited));
    tap(&limited, QStringLiteral("1234-"));
    EXPECT_EQ(limited.text(), "123");
    const auto keys = limited.findChildren<QPushButton*>();
    EXPECT_EQ(keys.size(), 16); // ten digits, point, minus, backspace, clear, OK, Abbrechen
    for (const QPushButton* key : keys) {
        EXPECT_GE(std::min(key->width(), key->height()), 48) << key->objectName().toStdString();
    }
}

} // namespace
} // namespace vozavero
