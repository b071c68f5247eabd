// Fields that fit every number they hold and keep clear of the captions they lie over, and the
// hint for a period that never steps.
#include "OptionsDialogFixture.h"

#include <QLabel>
#include <algorithm>

using namespace vozavero;

namespace {

TEST_F(OptionsDialog, AHintShowsWhileTheChosenPeriodCannotStep) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QLabel* hint = dialog.periodHint();
    QLineEdit* period = dialog.periodField(SlotSpeed);
    EXPECT_FALSE(hint->isVisible());
    clickOption(SlotSpeed); // fills in "1"
    EXPECT_FALSE(hint->isVisible());
    const struct {
        QString text;
        bool shown;
    } cases[] = {{"abc", true},    {"0", true},  {"-3", true},
                 {"0.0004", true}, {"2", false}, {QLocale().toString(0.5), false}};
    for (const auto& c : cases) {
        typeOver(period, c.text);
        EXPECT_EQ(hint->isVisible(), c.shown) << c.text.toStdString();
    }
    EXPECT_EQ(hint->text(), QString::fromUtf8("Die Zeit muss größer als 0 sein"));
    typeOver(period, "0");
    clickOption(3); // "Keine automatische Veränderung": no period is used
    EXPECT_FALSE(hint->isVisible());
    clickOption(SlotSpeed);
    typeOver(period, "0");
    dialog.command("DIALOG.OK();");
    dialog.load(); // reopened on the 0 just confirmed
    EXPECT_EQ(period->text(), "0");
    EXPECT_FALSE(hint->isHidden());

    // Whole, inside the window, below the last row and above the command bar.
    EXPECT_GE(hint->width(), hint->sizeHint().width());
    EXPECT_TRUE(dialog.rect().contains(hint->geometry()));
    EXPECT_GT(hint->y(), dialog.option(SlotVolume)->geometry().bottom());
    EXPECT_LT(hint->geometry().bottom(), dialog.findChild<QWidget*>("bar_Buttons")->y());
}

/// How many pixels of image within columns from..to have colour (or do not, when same is false).
int countPixels(const QImage& image, int from, int to, const QColor& colour, bool same = true) {
    int count = 0;
    for (int x = std::max(0, from); x <= std::min(to, image.width() - 1); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            count += (image.pixelColor(x, y) == colour) == same;
        }
    }
    return count;
}

TEST_F(OptionsDialog, FieldsFitTheirTextAndKeepClearOfTheCaptions) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // Every field holds six characters and shows the widest numbers of that length whole beside
    // the pad button, with decimal commas.
    const QStringList startTexts{"500", "499,75", "12,125"};
    const QStringList automaticTexts{"99999", "100000", "-0,125", "0,0005"};
    for (int i = 0; i < 3; ++i) {
        for (QLineEdit* field :
             {dialog.startField(i), dialog.periodField(i), dialog.stepField(i)}) {
            for (const QString& text :
                 field == dialog.startField(i) ? startTexts : automaticTexts) {
                field->setText(text);
                field->setCursorPosition(0); // unscrolled: the cursor stands where text starts
                const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                EXPECT_LE(cursor.center().x() + field->fontMetrics().horizontalAdvance(text),
                          padButton(field)->x())
                    << field->objectName().toStdString() << " " << text.toStdString();
            }
            if (field->isEnabled()) { // the start fields and the chosen row: no seventh digit
                typeOver(field, "1234567");
                EXPECT_EQ(field->text(), "123456") << field->objectName().toStdString();
            }
        }
    }

    // The period and step fields lie over blanks of their option's caption: the caption as
    // drawn has no ink under a field or within two pixels of it.
    for (int slot = 0; slot < 3; ++slot) {
        QRadioButton* option = dialog.option(slot);
        const QImage caption = option->grab().toImage();
        const QColor paper = caption.pixelColor(caption.width() - 1, 0);
        for (const QLineEdit* field : {dialog.periodField(slot), dialog.stepField(slot)}) {
            const int from = field->x() - option->x() - 2;
            const int to = field->geometry().right() - option->x() + 2;
            EXPECT_EQ(countPixels(caption, from, to, paper, false), 0)
                << field->objectName().toStdString();
            EXPECT_GT(from, 40) << field->objectName().toStdString(); // after the round button
        }
    }
}

} // namespace
