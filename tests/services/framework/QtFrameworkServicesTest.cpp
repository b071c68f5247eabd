// The production message, question and about boxes and the input aid, each answered from the test.
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

/// Answers the next modal box from the test so that no test waits for a person: polls for it
/// while the box's own event loop runs and hands it to action. A box still open a few seconds
/// after the action is rejected and counted as a failure.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QWidget*)> action)
        : action_(std::move(action)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) {
                return;
            }
            timer_.stop();
            ran_ = true;
            action_(box);
            QTimer::singleShot(5000, box, [guard = QPointer<QWidget>(box)] {
                if (guard && guard->isVisible()) {
                    ADD_FAILURE() << "modal box " << guard->objectName().toStdString()
                                  << " left open";
                    guard->close();
                }
            });
        });
        timer_.start(10);
    }
    bool ran() const { return ran_; }

private:
    std::function<void(QWidget*)> action_;
    QTimer timer_;
    bool ran_ = false;
};

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

TEST_F(QtFrameworkServicesTest, MessageShowsTheTextUnchangedWithEmptyTitle) {
    const QString text = QStringLiteral("Vorlix läuft bereits.\n<b>2</b>  & 3");
    ModalDriver driver([&](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->parentWidget(), &window);
        EXPECT_TRUE(message->windowTitle().isEmpty());
        EXPECT_EQ(message->text(), text);
        EXPECT_EQ(message->textFormat(), Qt::PlainText);
        click(box, "frameworkMessageOk");
    });
    services.message(text);
    EXPECT_TRUE(driver.ran());
}

TEST_F(QtFrameworkServicesTest, QuestionAnswersSixForJaAndSevenOtherwiseStrayKeysTheSafeAnswer) {
    constexpr int yes = FrameworkServices::kAnswerYes;
    constexpr int no = FrameworkServices::kAnswerNo;
    const struct {
        const char* way;
        std::function<void(QWidget*)> action;
        int safe;
        int answer;
    } cases[] = {
        {"Ja", [](QWidget* box) { click(box, "frameworkQuestionYes"); }, no, 6},
        {"Nein", [](QWidget* box) { click(box, "frameworkQuestionNo"); }, no, 7},
        {"close box", [](QWidget* box) { box->close(); }, no, 7},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, no, 7},
        // Nein is the default button of the quit question, so a stray Enter does not quit.
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, no, 7},
        // Where No loses measurements, stray keys and the close box keep them.
        {"Nein, safe Ja", [](QWidget* box) { click(box, "frameworkQuestionNo"); }, yes, 7},
        {"Enter, safe Ja", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, yes, 6},
        {"Escape, safe Ja", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, yes, 6},
        {"close box, safe Ja", [](QWidget* box) { box->close(); }, yes, 6},
    };
    for (const auto& c : cases) {
        ModalDriver driver([&](QWidget* box) {
            EXPECT_TRUE(box->windowTitle().isEmpty());
            EXPECT_EQ(qobject_cast<QMessageBox*>(box)->text(), "Beenden?");
            c.action(box);
        });
        EXPECT_EQ(services.question(QStringLiteral("Beenden?"), c.safe), c.answer) << c.way;
        EXPECT_TRUE(driver.ran()) << c.way;
    }
}

TEST_F(QtFrameworkServicesTest, AboutBoxShowsTheVersion) {
    services.setProductInfo({QStringLiteral("Für den Physikunterricht"), QStringLiteral("Vozavero"),
                             QStringLiteral("Vozavero"), QStringLiteral("1.0.37"), QString()});
    ModalDriver driver([](QWidget* box) {
        EXPECT_EQ(box->objectName(), "aboutBox");
        const auto* version = box->findChild<QLabel*>(QStringLiteral("aboutVersion"));
        ASSERT_NE(version, nullptr);
        EXPECT_TRUE(version->text().contains("1.0.37"));
        click(box, "aboutOk");
    });
    services.about();
    EXPECT_TRUE(driver.ran());
}

TEST_F(QtFrameworkServicesTest, InputAidOpensBesideTheWindowAndWritesThePadTextOnlyOnOk) {
    window.setGeometry(10, 40, 381, 350); // room on the right of the 800 px test screen
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const struct {
        const char* way;
        std::function<void(QWidget*)> close;
        QString result;
    } cases[] = {
        // Written with the user's decimal separator, as the fields show numbers.
        {"OK", [](QWidget* box) { click(box, "numberPadOk"); }, QLocale().toString(12.5)},
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Enter); },
         QLocale().toString(12.5)},
        {"Abbrechen", [](QWidget* box) { click(box, "numberPadCancel"); }, "0"},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, "0"},
    };
    for (const auto& c : cases) {
        auto* field = new QLineEdit(QStringLiteral("0"), &window);
        QSignalSpy changed(field, &QLineEdit::textChanged);
        QSignalSpy edited(field, &QLineEdit::textEdited);
        ModalDriver driver([&](QWidget* box) {
            EXPECT_EQ(box->objectName(), "numberPad");
            EXPECT_EQ(box->windowTitle(), "Sekunden");
            EXPECT_FALSE(box->frameGeometry().intersects(window.frameGeometry()));
            click(box, "numberPadKey1");
            QTest::keyClicks(box, QStringLiteral("2,5"));
            c.close(box);
        });
        services.inputAid(field, QStringLiteral("Sekunden"));
        EXPECT_TRUE(driver.ran()) << c.way;
        EXPECT_EQ(field->text(), c.result) << c.way;
        // Written once with setText, as if by the program.
        EXPECT_EQ(changed.size(), field->text() == "0" ? 0 : 1) << c.way;
        EXPECT_EQ(edited.size(), 0) << c.way;
    }
    // A read-only field opens no pad.
    auto* readOnly = new QLineEdit(QStringLiteral("0"), &window);
    readOnly->setReadOnly(true);
    ModalDriver driver([](QWidget* box) { box->close(); });
    services.inputAid(readOnly, QStringLiteral("Anzahl"));
    services.inputAid(nullptr, QStringLiteral("Anzahl"));
    EXPECT_FALSE(driver.ran());
}

} // namespace
} // namespace vozavero
