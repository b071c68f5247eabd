// The production message, question and about boxes and the input aid, each answered from the test.
#include "framework/QtFrameworkServices.h"
#include "ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vozavero {
namespace {

template <typename T> T* child(QWidget* box, const char* name) {
    T* found = box->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void click(QWidget* box, const char* buttonName) {
    if (auto* button = child<QPushButton>(box, buttonName)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

class QtFrameworkServicesTest : public ::testing::Test {
protected:
    QWidget window;
    QtFrameworkServices services{&window};
};

TEST_F(QtFrameworkServicesTest, MessageShowsTheTextUnchangedWithEmptyTitleAndOneButton) {
    const QString text =
        QStringLiteral("Vorlix läuft bereits oder wird noch geladen.\n<b>2</b>  & 3");
    ModalDriver driver([&](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->objectName(), "frameworkMessage");
        EXPECT_EQ(message->parentWidget(), &window);
        EXPECT_TRUE(message->windowTitle().isEmpty());
        EXPECT_EQ(message->text(), text);
        EXPECT_EQ(message->textFormat(), Qt::PlainText);
        EXPECT_EQ(message->buttons().size(), 1);
        EXPECT_EQ(child<QPushButton>(box, "frameworkMessageOk")->text(), "OK");
        click(box, "frameworkMessageOk");
    });
    services.message(text);
    EXPECT_TRUE(driver.ran());
}

TEST_F(QtFrameworkServicesTest, MessageClosesWithEscape) {
    ModalDriver driver([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    services.message(QStringLiteral("Hinweis"));
    EXPECT_TRUE(driver.ran());
}

TEST_F(QtFrameworkServicesTest, TraceMessageCarriesTheApplicationName) {
    const QString name = QApplication::applicationDisplayName();
    QApplication::setApplicationDisplayName(QStringLiteral("Vozavero"));
    ModalDriver driver([](QWidget* box) {
        EXPECT_EQ(box->objectName(), "frameworkTrace");
        EXPECT_EQ(box->windowTitle(), "Vozavero");
        EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), "X-1");
        click(box, "frameworkTraceOk");
    });
    services.traceMessage(QStringLiteral("X-1"));
    EXPECT_TRUE(driver.ran());
    QApplication::setApplicationDisplayName(name);
}

TEST_F(QtFrameworkServicesTest, QuestionAnswersSixForJa) {
    const QString text = QStringLiteral("Wollen Sie das Programm wirklich beenden?");
    ModalDriver driver([&](QWidget* box) {
        auto* question = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->objectName(), "frameworkQuestion");
        EXPECT_TRUE(question->windowTitle().isEmpty());
        EXPECT_EQ(question->text(), text);
        EXPECT_EQ(question->buttons().size(), 2);
        EXPECT_EQ(child<QPushButton>(box, "frameworkQuestionYes")->text(), "Ja");
        EXPECT_EQ(child<QPushButton>(box, "frameworkQuestionNo")->text(), "Nein");
        click(box, "frameworkQuestionYes");
    });
    EXPECT_EQ(services.question(text), FrameworkServices::kAnswerYes);
    EXPECT_TRUE(driver.ran());
}

TEST_F(QtFrameworkServicesTest, QuestionAnswersSevenForNeinAndForEveryWayOfClosing) {
    const std::vector<std::pair<const char*, std::function<void(QWidget*)>>> ways = {
        {"Nein", [](QWidget* box) { click(box, "frameworkQuestionNo"); }},
        {"close box", [](QWidget* box) { box->close(); }},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        // Nein is the default button, so a stray Enter does not quit.
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }},
    };
    for (const auto& [way, action] : ways) {
        ModalDriver driver(action);
        EXPECT_EQ(services.question(QStringLiteral("Beenden?")), FrameworkServices::kAnswerNo)
            << way;
        EXPECT_TRUE(driver.ran()) << way;
    }
}

TEST_F(QtFrameworkServicesTest, AboutBoxShowsTheProductInformation) {
    services.setProductInfo({QStringLiteral("Für den Physikunterricht"), QStringLiteral("Vozavero"),
                             QStringLiteral("Vozavero"), QStringLiteral("1.0.37")});
    EXPECT_EQ(services.productInfo().version, "1.0.37");
    ModalDriver driver([&](QWidget* box) {
        EXPECT_EQ(box->objectName(), "aboutBox");
        EXPECT_EQ(box->parentWidget(), &window);
        EXPECT_EQ(child<QLabel>(box, "aboutTitle")->text(), "Vozavero");
        EXPECT_TRUE(child<QLabel>(box, "aboutVersion")->text().contains("1.0.37"));
        EXPECT_EQ(child<QLabel>(box, "aboutProductName")->text(), "Vozavero");
        EXPECT_EQ(child<QLabel>(box, "aboutNotice")->text(), "Für den Physikunterricht");
        auto* ok = child<QPushButton>(box, "aboutOk");
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_GE(ok->height(), 48);
        click(box, "aboutOk");
    });
    services.about();
    EXPECT_TRUE(driver.ran());
}

TEST_F(QtFrameworkServicesTest, InputAidEditsTheFieldWithTheNumberPad) {
    QLineEdit field(QStringLiteral("5"));
    ModalDriver driver([](QWidget* box) {
        EXPECT_EQ(box->objectName(), "numberPad");
        EXPECT_EQ(box->windowTitle(), "Sekunden");
        QTest::keyClicks(box, QStringLiteral("2,5"));
        QTest::keyClick(box, Qt::Key_Enter);
    });
    services.inputAid(&field, QStringLiteral("Sekunden"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(field.text(), "2.5");
}

} // namespace
} // namespace vozavero
