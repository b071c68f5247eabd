// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The production message and question boxes and the input aid, each answered from the test.
#include "framework/QtFrameworkServices.h"
#include "DefaultLocale.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

/// Runs open and hands the modal box it shows to action from inside the box's own event loop;
/// says whether a box came. A box the action leaves open fails the test and is closed.
bool withBox(const std::function<void()>& open, const std::function<void(QWidget*)>& action) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown = true;
            action(box);
            QTimer::singleShot(5000, box, [box] {
                EXPECT_FALSE(box->isVisible()) << box->objectName().toStdString() << " left open";
                box->close();
            });
        }
    });
    open();
    QCoreApplication::processEvents(); // no box: the look for one is done before the next test
    return shown;
}

void click(QWidget* box, const char* name) {
    auto* button = box->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

class QtFrameworkServicesTest : public ::testing::Test {
protected:
    QWidget window;
    QtFrameworkServices services{&window};
};

TEST_F(QtFrameworkServicesTest, MessageShowsItsTextUnchanged) {
    const QString text = QStringLiteral("Vorlix läuft bereits.\n<b>2</b>  & 3");
    EXPECT_TRUE(withBox([&] { services.message(text); },
                        [&](QWidget* box) {
                            auto* message = qobject_cast<QMessageBox*>(box);
                            ASSERT_NE(message, nullptr);
                            EXPECT_EQ(message->parentWidget(), &window);
                            EXPECT_TRUE(message->windowTitle().isEmpty());
                            EXPECT_EQ(message->text(), text);
                            EXPECT_EQ(message->textFormat(), Qt::PlainText);
                            click(box, "frameworkMessageOk");
                        }));
}

TEST_F(QtFrameworkServicesTest, QuestionAnswersSixForJaAndSevenForNeinStrayKeysTheSafeAnswer) {
    const std::pair<const char*, std::function<void(QWidget*)>> ways[] = {
        {"Ja", [](QWidget* box) { click(box, "frameworkQuestionYes"); }},
        {"Nein", [](QWidget* box) { click(box, "frameworkQuestionNo"); }},
        {"close box", [](QWidget* box) { box->close(); }},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }},
    };
    for (const int safe : {FrameworkServices::kAnswerNo, FrameworkServices::kAnswerYes}) {
        for (const auto& [way, action] : ways) {
            int answer = 0;
            EXPECT_TRUE(withBox([&] { answer = services.question("Beenden?", safe); },
                                [&](QWidget* box) {
                                    EXPECT_TRUE(box->windowTitle().isEmpty());
                                    EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), "Beenden?");
                                    action(box);
                                }));
            // Where "Nein" loses measurements, stray keys and the close box keep them.
            const std::string name = way;
            EXPECT_EQ(answer, name == "Ja" ? 6 : name == "Nein" ? 7 : safe) << way << ' ' << safe;
        }
    }
}

TEST_F(QtFrameworkServicesTest, InputAidOpensBesideTheWindowAndWritesThePadTextOnlyOnOk) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    window.setGeometry(10, 40, 381, 350); // room on the right of the 800 px test screen
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const struct {
        const char* way;
        std::function<void(QWidget*)> close;
        QString result;
    } cases[] = {
        {"OK", [](QWidget* box) { click(box, "numberPadOk"); }, "-12,7"},
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Enter); }, "-12,7"},
        {"Abbrechen", [](QWidget* box) { click(box, "numberPadCancel"); }, "0"},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, "0"},
    };
    for (const auto& c : cases) {
        auto* field = new QLineEdit(QStringLiteral("0"), &window);
        QSignalSpy changed(field, &QLineEdit::textChanged);
        QSignalSpy edited(field, &QLineEdit::textEdited);
        const auto type = [&](QWidget* box) {
            EXPECT_EQ(box->objectName(), "numberPad");
            EXPECT_EQ(box->windowTitle(), "Sekunden");
            EXPECT_FALSE(box->frameGeometry().intersects(window.frameGeometry()));
            EXPECT_EQ(box->findChild<QPushButton*>("numberPadPoint")->text(), ",");
            // Keys and keyboard write the user's decimal separator, as the fields show numbers.
            click(box, "numberPadKey1");
            QTest::keyClicks(box, QStringLiteral("2.5,x"));
            QTest::keyClick(box, Qt::Key_Minus);
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_7, Qt::KeypadModifier);
            c.close(box);
        };
        EXPECT_TRUE(withBox([&] { services.inputAid(field, QStringLiteral("Sekunden")); }, type));
        EXPECT_EQ(field->text(), c.result) << c.way;
        // Written once with setText, as if by the program.
        EXPECT_EQ(changed.size(), field->text() == "0" ? 0 : 1) << c.way;
        EXPECT_EQ(edited.size(), 0) << c.way;
    }
    // A read-only field opens no pad.
    auto* readOnly = new QLineEdit(QStringLiteral("0"), &window);
    readOnly->setReadOnly(true);
    for (QLineEdit* field : {readOnly, static_cast<QLineEdit*>(nullptr)}) {
        EXPECT_FALSE(withBox([&] { services.inputAid(field, "Anzahl"); },
                             [](QWidget* box) { box->close(); }));
    }
}

} // namespace
} // namespace vozavero
