// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Construction of the options dialog's widgets from the design measures: header, start
// conditions, automatic rows with their fields laid over the gaps of the captions, command bar.
#include "OptionsAutoDialog.h"

#include "GapOption.h"
#include "NumberField.h"
#include "UiFonts.h"

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace vozavero {

namespace {

// Design measures in twips.
constexpr double kClientWidth = 5715;
constexpr double kClientHeight = 5250;
constexpr double kRowLabelLeft = 240;
constexpr double kStartFieldLeft = 1860;
constexpr double kStartFieldWidth = 525;
constexpr double kFieldHeight = 285;
constexpr double kScrollLeft = 2520;
constexpr double kScrollWidth = 1590;
constexpr double kScrollHeight = 255;
constexpr double kRangeLeft = 4200;
constexpr double kOptionLeft = 240;
/// Pixels kept free between a field and the words or controls beside it.
constexpr int kClearance = 3;

const QColor kFieldColour(192, 255, 255);
const QColor kHintColour(176, 0, 0);

/// Object names and places of a start-condition row (0 count, 1 speed, 2 volume).
struct StartRow {
    const char* labelName;
    const char* rangeName;
    double top;
};

const std::array<StartRow, 3> kStartRows{{
    {"Label1", "Label6", 1320},
    {"Label2", "Label7", 1740},
    {"Label3", "Label8", 2160},
}};

/// Top of each automatic row, by slot; the rows are shown count, speed, volume.
const std::array<double, 3> kAutoRowTops{3360, 4080, 3720};

QPixmap optionsPicture(const QStyle* style, int size) {
    const QString resource = QStringLiteral(":/pictures/options.png");
    if (QFile::exists(resource)) {
        return QPixmap(resource).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const QIcon fallback = style->standardIcon(QStyle::SP_FileDialogDetailedView);
    return QIcon::fromTheme(QStringLiteral("preferences-system"), fallback).pixmap(size, size);
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

NumberField* numberField(QWidget* parent, const QString& name) {
    auto* field = new NumberField(parent);
    field->setObjectName(name);
    // Enough for "99999", "-0,125" or "499,75"; every field is as wide as its longest number.
    field->setMaxLength(OptionsAutoDialog::kFieldLength);
    // Cyan only while the field can be edited; a disabled field takes the style's grey.
    QPalette p = field->palette();
    p.setColor(QPalette::Active, QPalette::Base, kFieldColour);
    p.setColor(QPalette::Inactive, QPalette::Base, kFieldColour);
    field->setPalette(p);
    return field;
}

} // namespace

void OptionsAutoDialog::build() {
    setObjectName(QStringLiteral("frm_OptionsAuto"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(bodyFont());
    setFixedSize(twips_.x(kClientWidth), twips_.y(kClientHeight));
    buildHeader();
    buildStartConditions();
    buildAutomatic();
    buildCommandBar();
    resetFields();
    retranslate();
}

QLabel* OptionsAutoDialog::caption(const char* name, std::function<QString()> text,
                                   bool fixedHeight) {
    auto* l = new QLabel(this);
    l->setObjectName(QLatin1String(name));
    captions_.push_back({l, std::move(text), fixedHeight});
    return l;
}

void OptionsAutoDialog::retranslate() {
    setWindowTitle(tr("Automatik - Optionen"));
    for (const Caption& c : captions_) {
        c.label->setText(c.text());
        if (c.fixedHeight) {
            c.label->resize(c.label->sizeHint().width(), c.label->height());
        } else {
            c.label->adjustSize();
        }
    }
    for (const auto& [button, source] : buttonTexts_) {
        button->setText(tr(source));
    }
    for (const Quantity& q : Quantity::all()) {
        static_cast<GapOption*>(auto_.at(static_cast<size_t>(q.slot)))
            ->setCaption(q.automaticRowText());
    }
    for (const auto& fields : {scro_, zeit_, anz_}) {
        for (QLineEdit* field : fields) {
            static_cast<NumberField*>(field)->retranslate();
        }
    }
    placeAutomaticFields();
    showPeriodHint();
}

void OptionsAutoDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
}

void OptionsAutoDialog::buildHeader() {
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("ctl_Image1"));
    image->setGeometry(twips_.rect(120, 180, 480, 480));
    image->setPixmap(optionsPicture(style(), image->width()));

    QLabel* title = caption("lab_CatTitle", [] { return tr("Automatik-Modus"); });
    title->setFont(headerFont(14.25, true));
    title->move(twips_.x(780), twips_.y(120));

    QLabel* description = caption("lab_CatDescription", [] {
        return tr("Legen Sie fest, wie die Werte sich ändern sollen");
    });
    description->setFont(headerFont(8.25));
    QPalette grey = description->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    description->setPalette(grey);
    description->move(twips_.x(1080), twips_.y(480));

    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("ctl_CatSep"));
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    separator->setGeometry(0, twips_.y(795), width(), 2);
}

void OptionsAutoDialog::buildStartConditions() {
    QLabel* heading = caption("Label4", [] { return tr("Start - Bedingungen"); });
    heading->setFont(bodyFont(8.25, true));
    heading->move(twips_.x(120), twips_.y(960));

    const int fieldHeight = twips_.y(kFieldHeight);
    for (int row = 0; row < 3; ++row) {
        const StartRow& r = kStartRows.at(static_cast<size_t>(row));
        const Quantity& q = Quantity::of(static_cast<QuantityId>(row));
        const int top = twips_.y(r.top);

        QLabel* rowCaption = caption(
            r.labelName, [&q] { return q.startCaptionText(); }, true);
        rowCaption->setGeometry(twips_.x(kRowLabelLeft), top, 0, fieldHeight);

        NumberField* field = numberField(this, indexed("Scro", row));
        // At least the designed width, wider where the face needs it; the scroll bar gives way.
        const int fieldWidth = std::max(twips_.x(kStartFieldWidth), field->widthForLongestNumber());
        field->setGeometry(twips_.x(kStartFieldLeft), top, fieldWidth, fieldHeight);
        connect(field, &QLineEdit::textChanged, this, [this, row] { startTextChanged(row); });
        connect(field, &QLineEdit::editingFinished, this, [this, row] { confirmStartField(row); });
        connect(field, &NumberField::padRequested, this,
                [this, row, &q] { startFieldClicked(row, q.inputAidText()); });
        scro_[static_cast<size_t>(row)] = field;

        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(indexed("Schroll", row));
        const int minimum = static_cast<int>(q.startCondition.low);
        const int maximum = static_cast<int>(q.startCondition.high);
        bar->setRange(minimum, maximum);
        bar->setSingleStep(1);
        bar->setPageStep(std::max(1, (maximum - minimum + 1) / 10));
        const int barHeight = twips_.y(kScrollHeight);
        const int barLeft =
            std::max(twips_.x(kScrollLeft), field->geometry().right() + 1 + 2 * kClearance);
        const int barRight = twips_.x(kScrollLeft + kScrollWidth);
        bar->setGeometry(barLeft, top + (fieldHeight - barHeight) / 2, barRight - barLeft,
                         barHeight);
        connect(bar, &QScrollBar::valueChanged, this, [this, row] { startScrollChanged(row); });
        schroll_[static_cast<size_t>(row)] = bar;

        QLabel* range = caption(
            r.rangeName, [&q] { return q.startRangeLabel(); }, true);
        range->setGeometry(twips_.x(kRangeLeft), top, 0, fieldHeight);
    }
}

void OptionsAutoDialog::buildAutomatic() {
    QLabel* heading = caption("Label5", [] { return tr("Automatik"); });
    heading->setFont(bodyFont(8.25, true));
    heading->move(twips_.x(120), twips_.y(2700));

    const int height = twips_.y(kFieldHeight);
    const int optionWidth = width() - twips_.x(kOptionLeft) - twips_.x(120);
    auto* none = new QRadioButton(this);
    buttonTexts_.emplace_back(none, QT_TR_NOOP("Keine automatische Veränderung"));
    none->setObjectName(indexed("AUTO", kNoOption));
    none->setGeometry(twips_.x(kOptionLeft), twips_.y(3000), twips_.x(4035), height);
    connect(none, &QRadioButton::clicked, this, [this] { selectOption(kNoOption); });
    auto_[kNoOption] = none;

    // Created in the order shown (count, speed, volume), so that the tab order follows the rows.
    for (const Quantity& q : Quantity::all()) {
        const int slot = q.slot;
        auto* option = new GapOption(QString(), this);
        option->setObjectName(indexed("AUTO", slot));
        option->setGeometry(twips_.x(kOptionLeft),
                            twips_.y(kAutoRowTops.at(static_cast<size_t>(slot))), optionWidth,
                            height);
        connect(option, &QRadioButton::clicked, this, [this, slot] { selectOption(slot); });
        auto_[static_cast<size_t>(slot)] = option;

        NumberField* period = numberField(this, indexed("ZEITINPUT", slot));
        connect(period, &NumberField::focusEntered, period, &QLineEdit::selectAll);
        connect(period, &QLineEdit::textChanged, this, [this] { showPeriodHint(); });
        connect(period, &NumberField::padRequested, this, [this, period] {
            services_.inputAid(period, tr("Sekunden"));
            period->selectAll();
        });
        zeit_[static_cast<size_t>(slot)] = period;

        NumberField* step = numberField(this, indexed("ANZINPUT", slot));
        connect(step, &NumberField::focusEntered, step, &QLineEdit::selectAll);
        connect(step, &NumberField::padRequested, this, [this, step, &q] {
            services_.inputAid(step, q.inputAidText());
            step->selectAll();
        });
        anz_[static_cast<size_t>(slot)] = step;
    }

    periodHint_ = caption("lab_PeriodHint", [] { return tr("Die Zeit muss größer als 0 sein"); });
    QPalette red = periodHint_->palette();
    red.setColor(QPalette::WindowText, kHintColour);
    periodHint_->setPalette(red);
    periodHint_->hide();
}

void OptionsAutoDialog::buildCommandBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("bar_Buttons"));
    bar->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    bar->setGeometry(twips_.rect(0, 4635, 5715, 615));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(twips_.x(120), twips_.y(90), twips_.x(120), twips_.y(90));
    layout->addStretch();
    const struct {
        const char* name;
        const char* caption;
        const char* command;
    } commands[] = {{"but_OK", QT_TR_NOOP("OK"), "DIALOG.OK();"},
                    {"but_Abort", QT_TR_NOOP("Abbrechen"), "DIALOG.ABORT();"},
                    {"but_Help", QT_TR_NOOP("Hilfe"), "DIALOG.HELP();"}};
    for (const auto& c : commands) {
        auto* button = new QPushButton(bar);
        button->setObjectName(QLatin1String(c.name));
        buttonTexts_.emplace_back(button, c.caption);
        // Enter in a number field must not close the dialog.
        button->setAutoDefault(false);
        const QString text = QLatin1String(c.command);
        connect(button, &QPushButton::clicked, this, [this, text] { command(text); });
        layout->addWidget(button);
    }
}

void OptionsAutoDialog::placeAutomaticFields() {
    const int fieldWidth = static_cast<NumberField*>(zeit_[0])->widthForLongestNumber();
    const int fieldHeight = twips_.y(kFieldHeight);
    const int needed = fieldWidth + 2 * kClearance;
    std::array<GapOption*, 3> options{};
    for (size_t slot = 0; slot < 3; ++slot) {
        options.at(slot) = static_cast<GapOption*>(auto_.at(slot));
        options.at(slot)->setGapWidth(0, 0);
        options.at(slot)->setGapWidth(1, 0);
    }
    // The fields of all rows stand in two columns: every first run of blanks ends where the
    // furthest one ends (and at least a field's room after its words), every second run is as
    // wide as the widest one needs.
    int firstEnd = 0;
    int secondWidth = needed;
    for (const GapOption* option : options) {
        const auto [start, end] = option->gapSpan(0);
        firstEnd = std::max({firstEnd, end, start + needed});
        secondWidth = std::max(secondWidth, option->naturalGapWidth(1));
    }
    for (size_t slot = 0; slot < 3; ++slot) {
        GapOption* option = options.at(slot);
        option->setGapWidth(0, firstEnd - option->gapSpan(0).first);
        option->setGapWidth(1, secondWidth);
        const int top = option->y();
        zeit_.at(slot)->setGeometry(option->x() + firstEnd - kClearance - fieldWidth, top,
                                    fieldWidth, fieldHeight);
        const auto [start, end] = option->gapSpan(1);
        anz_.at(slot)->setGeometry(option->x() + start + (end - start - fieldWidth) / 2, top,
                                   fieldWidth, fieldHeight);
    }

    // The hint stands under the period column, below the last row, and moves left only as far
    // as its text needs to end inside the window.
    int rowsBottom = 0;
    for (const GapOption* option : options) {
        rowsBottom = std::max(rowsBottom, option->geometry().bottom());
    }
    const int hintWidth = periodHint_->sizeHint().width();
    const int hintLeft = std::min(zeit_[0]->x(), width() - twips_.x(120) - hintWidth);
    periodHint_->setGeometry(hintLeft, rowsBottom + 1 + kClearance, hintWidth,
                             periodHint_->sizeHint().height());
}

} // namespace vozavero
