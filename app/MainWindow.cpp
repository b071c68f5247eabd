// Construction of the main window's controls at their design positions and sizes (twips turned
// into pixels), with captions, tooltips and object names, and the wiring of their events.
#include "MainWindow.h"

#include "CylinderView.h"
#include "GraphPlotter.h"
#include "LoopStats.h"
#include "NumericError.h"
#include "OptionsAutoDialog.h"
#include "PictureBox.h"
#include "PistonPicture.h"
#include "SimulationLoop.h"
#include "UiFonts.h"
#include "WindowLayout.h"
#include "framework/TitledFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace vozavero {

namespace {

const QColor kWindowColour(27, 78, 175);

/// A picture from the resources with its finer copies for scaled screens, or a plain stand-in
/// of the given size when it is missing.
ScaledPicture picture(const QString& path, QSize size, QColor fill) {
    ScaledPicture loaded = ScaledPicture::load(path);
    if (loaded.isNull()) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(fill);
        return image;
    }
    return loaded;
}

/// Makes the label's font smaller, down to 6.5 points, until its text fits its width.
void shrinkToFit(QLabel* label) {
    QFont f = label->font();
    while (f.pointSizeF() > 6.5 &&
           QFontMetrics(f).horizontalAdvance(label->text()) > label->width()) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    label->setFont(f);
}

/// Makes a check box's font smaller, down to 6.5 points, until box and caption fit its width.
void shrinkToFit(QCheckBox* box) {
    QFont f = box->font();
    while (f.pointSizeF() > 6.5 && box->sizeHint().width() > box->width()) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
        box->setFont(f);
    }
}

} // namespace

MainWindow::MainWindow(Environment environment, QWidget* parent)
    : QMainWindow(parent)
    , env_(std::move(environment))
    , services_(*env_.services)
    , experiment_(*env_.random, *env_.clock,
                  {GaugePanel::barColourOf(GaugeCount), GaugePanel::barColourOf(GaugeSpeed),
                   GaugePanel::barColourOf(GaugeImpacts), GaugePanel::barColourOf(GaugeVolume)})
    , settings_(experiment_.settings())
    , engine_(experiment_.engine())
    , charts_(&experiment_.charts())
    , interval_(experiment_.interval())
    , stepSize_(experiment_.stepSize())
    , printAdaptor_(std::make_unique<chart::PrintAdaptor>())
    , documentManager_(this)
    , documentOpener_(this) {
    setObjectName(QStringLiteral("frm_AppMain"));
    setWindowTitle(QStringLiteral("Nimbra // Vozavero Simulator"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(bodyFont());
    buildControls();
    buildMenus();
    // The designed client area lies below the menu bar.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(env_.twips.x(12390), env_.twips.y(9510) + menuHeight);

    SimulationLoop::Hooks hooks;
    hooks.speed = [this] { return settings_.speed; };
    // A numerical error in a step ends the loop (the loop catches it), not just that step.
    hooks.step = [this] { engine_.advanceParticles(); };
    hooks.frame = [this](bool counted) { drawFrame(counted); };
    hooks.stepSizeRaised = [this] { initialiseParticles(-1); };
    hooks.quitRequested = [this] { return quitRequested_; };
    hooks.quit = [this] {
        if (env_.quit) {
            env_.quit();
        }
    };
    loop_ = std::make_unique<SimulationLoop>(*env_.clock, stepSize_, std::move(hooks));
    if (LoopStats::wanted()) {
        loopStats_ = std::make_unique<LoopStats>(*loop_, stepSize_, [this] {
            return LoopStats::Quantities{settings_.particleCount, settings_.speed,
                                         experiment_.cylinderWidth()};
        });
    }
}

MainWindow::~MainWindow() = default;

MainWindow::Environment MainWindow::Environment::of(FrameworkServices& services, const Clock& clock,
                                                    RandomSource& random) {
    Environment env;
    env.services = &services;
    env.clock = &clock;
    env.random = &random;
    env.otherInstanceRunning = [] { return false; };
    env.quit = [] {};
    env.twips = Twips::ofScreen();
    return env;
}

void MainWindow::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const NumericError&) {
        // The handler ends here; the program and the loop go on with the state reached so far.
    }
}

void MainWindow::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, kWindowColour);
    client_->setPalette(p);
    setCentralWidget(client_);

    buildCylinderFrame();
    buildSettingsFrame();
    buildTabs();
    buildAccessibility();

    tmrGo_ = new QTimer(this);
    tmrGo_->setObjectName(QStringLiteral("tmr_Go"));
    tmrGo_->setInterval(100);
    connect(tmrGo_, &QTimer::timeout, this, [this] {
        tmrGo_->stop();
        loop_->start();
    });
    kollZaehl_ = new QTimer(this);
    kollZaehl_->setObjectName(QStringLiteral("KollZaehl"));
    kollZaehl_->setInterval(1000);
    connect(kollZaehl_, &QTimer::timeout, this, [this] { guarded([this] { measuringTick(); }); });
    for (int slot = 0; slot < 3; ++slot) {
        auto* t = new QTimer(this);
        t->setObjectName(QStringLiteral("AUTOMATIK(%1)").arg(slot));
        t->setInterval(5000);
        connect(t, &QTimer::timeout, this,
                [this, slot] { guarded([this, slot] { automaticStep(slot); }); });
        automatik_[static_cast<size_t>(slot)] = t;
    }
}

void MainWindow::buildCylinderFrame() {
    const Twips& tw = env_.twips;
    kolbenHolder_ = new TitledFrame(QStringLiteral("Simulation des Kolbenprobers"), client_);
    kolbenHolder_->setObjectName(QStringLiteral("frm_KolbenHolder"));
    kolbenHolder_->setGeometry(tw.rect(120, 120, 10995, 3150));

    const ScaledPicture syringe =
        picture(QStringLiteral(":/pictures/kolben.png"), {645, 181}, Qt::lightGray);
    kolben_ = new PictureBox(syringe, kolbenHolder_);
    kolben_->setObjectName(QStringLiteral("frm_Kolben"));
    kolben_->setGeometry(48, 24, 677, 177);

    const QColor field(226, 231, 237);
    const std::array<ScaledPicture, 4> sprites = {
        picture(QStringLiteral(":/pictures/teil0.png"), {16, 16}, Qt::blue),
        picture(QStringLiteral(":/pictures/teil1.png"), {16, 16}, Qt::darkBlue),
        picture(QStringLiteral(":/pictures/teil2.png"), {8, 8}, Qt::red),
        picture(QStringLiteral(":/pictures/teil3.png"), {8, 8}, Qt::blue)};
    for (int i = 0; i < 4; ++i) {
        // The sprite pictures are copy sources only; they are never shown themselves.
        auto* teil = new QLabel(kolbenHolder_);
        teil->setObjectName(QStringLiteral("TEIL(%1)").arg(i));
        teil->setPixmap(QPixmap::fromImage(sprites[static_cast<size_t>(i)].base()));
        teil->hide();
    }
    bild_ = new CylinderView(picture(QStringLiteral(":/pictures/bild.png"), {529, 154}, field),
                             sprites, kolben_);
    bild_->setObjectName(QStringLiteral("Bild"));
    bild_->setGeometry(43, 11, 250, 151);
    experiment_.setCylinderHeight(bild_->height());
    const QString volumeTip =
        QStringLiteral("Du kannst mit der Maus das Volumen des Kolbenprobers ändern.");
    bild_->setToolTip(volumeTip);

    const ScaledPicture piston =
        picture(QStringLiteral(":/pictures/schieber.png"), {130, 150}, Qt::gray);
    schieber_ = makePiston(piston);
    schieber_->setObjectName(QStringLiteral("pic_Schieber"));
    schieber_->setGeometry(43 + 250, 12, piston.size().width(), piston.size().height());
    schieber_->setToolTip(volumeTip);

    connect(bild_, &CylinderView::pointer, this,
            [this](double x, double y) { guarded([=, this] { interiorPointer(x, y); }); });
    connect(kolben_, &PictureBox::pointer, this,
            [this](double x, double y) { guarded([=, this] { containerPointer(x, y); }); });
    connect(schieber_, &PictureBox::pointer, this, [this](double x, double y) {
        guarded([=, this] { containerPointer(x + schieber_->x(), y + schieber_->y()); });
    });
}

QLabel* MainWindow::makeReadout(const QString& name, const QRect& rect, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 255));
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(bodyFont(8.25, true));
    return label;
}

void MainWindow::buildSettingsFrame() {
    const Twips& tw = env_.twips;
    options_ = new TitledFrame(QStringLiteral("Einstellungen und Zahlen"), client_);
    options_->setObjectName(QStringLiteral("frm_Options"));
    options_->setGeometry(tw.rect(120, 3360, 10995, 2355));

    resetButton_ = new QPushButton(QStringLiteral("&Neustart"), options_);
    resetButton_->setObjectName(QStringLiteral("but_Reset"));
    resetButton_->setGeometry(tw.rect(120, 360, 1215, 375));
    resetButton_->setToolTip(QStringLiteral("Hiermit beginnst Du eine neue Messreihe"));
    connect(resetButton_, &QPushButton::clicked, this,
            [this] { guarded([this] { restartMeasurement(); }); });

    automatic_ = new QCheckBox(QStringLiteral("Automatik aktiv"), options_);
    automatic_->setObjectName(QStringLiteral("opt_Automatic"));
    automatic_->setGeometry(tw.rect(1440, 360, 1395, 375));
    automatic_->setToolTip(QStringLiteral("Hiermit aktivierst oder deaktivierst Du das "
                                          "automatische ändern der Werte (siehe Menü 'Optionen')"));
    shrinkToFit(automatic_);
    connect(automatic_, &QCheckBox::toggled, this,
            [this](bool on) { guarded([=, this] { automaticToggled(on); }); });

    record_ = new QCheckBox(QStringLiteral("Aufzeichnen"), options_);
    record_->setObjectName(QStringLiteral("opt_Record"));
    record_->setGeometry(tw.rect(2880, 360, 1215, 375));
    record_->setChecked(true);
    shrinkToFit(record_);
    record_->setToolTip(QStringLiteral("Gibt an, ob die Werte aufgezeichnet werden sollen"));
    // The menu's check mark follows the box too, so that both always tell the same.
    connect(record_, &QCheckBox::toggled, this, [this](bool on) {
        settings_.recordingEnabled = on;
        if (recordAction_ != nullptr) {
            recordAction_->setChecked(on);
        }
    });

    optionsButton_ = new QPushButton(QStringLiteral("&Optionen"), options_);
    optionsButton_->setObjectName(QStringLiteral("ctl_Button1"));
    optionsButton_->setGeometry(tw.rect(4140, 360, 1215, 375));
    optionsButton_->setIcon(QIcon(QStringLiteral(":/pictures/options.png")));
    connect(optionsButton_, &QPushButton::clicked, this,
            [this] { guarded([this] { openAutomaticOptions(); }); });

    struct Readout {
        const char* captionName;
        const char* caption;
        QRect captionRect;
        int index;
        QRect valueRect;
    };
    const Readout readouts[] = {
        {"Bezeichnung5", "Letze Aufprallwerte:", tw.rect(5490, 60, 1515, 255), 4,
         tw.rect(5460, 360, 1380, 315)},
        {"Bezeichnung1", "Aktuelle Aufprallwerte:", tw.rect(7020, 60, 1695, 195), 0,
         tw.rect(7065, 360, 1545, 315)},
        {"Label4", "Intervall:", tw.rect(8700, 60, 1695, 195), 1, tw.rect(8745, 360, 645, 315)},
        {"Label5", "Stöße pro Sek.:", tw.rect(9480, 60, 1395, 195), 2,
         tw.rect(9525, 360, 1305, 315)},
    };
    for (const Readout& r : readouts) {
        auto* caption = new QLabel(QString::fromUtf8(r.caption), options_);
        caption->setObjectName(QString::fromLatin1(r.captionName));
        // The captions sit in the title band; their height grows to the band's so that the
        // text is never cut.
        caption->setGeometry(r.captionRect.x(), 0, r.captionRect.width(), TitledFrame::kBandHeight);
        TitledFrame::styleBandLabel(caption);
        shrinkToFit(caption);
        anz_[static_cast<size_t>(r.index)] =
            makeReadout(QStringLiteral("ANZ(%1)").arg(r.index), r.valueRect, options_);
    }
    anz_[1]->setToolTip(QStringLiteral("Klicke hier, um das Messintervall zu ändern"));
    for (QLabel* label : anz_) {
        if (label != nullptr) {
            label->installEventFilter(this);
        }
    }

    const QRect panelRects[4] = {tw.rect(120, 780, 5355, 735), tw.rect(120, 1500, 5355, 735),
                                 tw.rect(5460, 1500, 5355, 765), tw.rect(5460, 780, 5355, 735)};
    for (int i = 0; i < 4; ++i) {
        auto* g = new GaugePanel(static_cast<GaugeId>(i), tw, options_);
        g->move(panelRects[i].topLeft());
        connect(g, &GaugePanel::barSet, this,
                [this](GaugeId id) { guarded([=, this] { applyGaugeValue(id); }); });
        gauges_[static_cast<size_t>(i)] = g;
    }
}

void MainWindow::buildTabs() {
    const Twips& tw = env_.twips;
    tabs_ = new QTabWidget(client_);
    tabs_->setObjectName(QStringLiteral("tab_View"));
    tabs_->setGeometry(tw.rect(120, 5820, 10995, 3555));
    tabs_->setAutoFillBackground(true);
    QPalette p = tabs_->palette();
    p.setColor(QPalette::Window, kWindowColour);
    tabs_->setPalette(p);
    const char* captions[4] = {"Stöße / Teilchenzahl", "Stöße / Geschwindigkeit", "Stöße / Fläche",
                               "Stöße / (1:Fläche)"};
    // Which button of the array sits on which page.
    const int buttonOfPage[4] = {2, 1, 0, 3};
    for (int page = 0; page < 4; ++page) {
        auto* w = new QWidget;
        w->setObjectName(QStringLiteral("tab_View_page(%1)").arg(page));
        tabs_->addTab(w, QString::fromUtf8(captions[page]));
        const int index = buttonOfPage[page];
        auto* b = new QPushButton(QStringLiteral("Ausgleichsgerade"), tabs_);
        b->setObjectName(QStringLiteral("but_LinearRegression(%1)").arg(index));
        b->resize(tw.x(1935), tw.y(315));
        b->setProperty("page", page);
        connect(b, &QPushButton::clicked, this, [this] { guarded([this] { showRegression(); }); });
        regressionButtons_[static_cast<size_t>(index)] = b;
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        for (QPushButton* b : regressionButtons_) {
            b->setVisible(b->property("page").toInt() == page);
            b->raise();
        }
        experiment_.hideRegression();
        guarded([this] { redrawGraph(); });
    });
    // A press on the page already shown counts as a click on the page as well: it takes the
    // regression line away, as a change of page does.
    connect(tabs_, &QTabWidget::tabBarClicked, this, [this](int page) {
        if (page == tabs_->currentIndex() && regressionShown()) {
            experiment_.hideRegression();
            guarded([this] { redrawGraph(); });
        }
    });
    for (QPushButton* b : regressionButtons_) {
        b->setVisible(b->property("page").toInt() == 0);
    }

    plotter_ = new GraphPlotter(client_);
    plotter_->setObjectName(QStringLiteral("PLOTTER"));
    plotter_->setToolTip(QStringLiteral("Klicke hier um die Ansicht umzuschalten"));
    plotter_->setGeometry(tw.rect(180, 6180, 10845, 3075));
    connect(plotter_, &GraphPlotter::clicked, this, [this] { setViewMode(viewMode_ + 1); });
}

void MainWindow::setViewMode(int mode) {
    viewMode_ = mode;
    arrangeWindow();
}

void MainWindow::arrangeWindow() {
    if (viewMode_ > 3 || viewMode_ < 0) {
        viewMode_ = 0;
    }
    for (int i = 0; i < 4; ++i) {
        viewModeActions_[static_cast<size_t>(i)]->setChecked(i == viewMode_);
    }
    const QSize client = client_->size();
    if (client.width() <= 0 || client.height() <= 0) {
        return; // minimised or not laid out yet: nothing sensible to place
    }
    const WindowLayout l =
        WindowLayout::arrange(viewMode_, client, env_.twips, kolbenHolder_->width(),
                              kolbenHolder_->height(), options_->height());
    kolbenHolder_->setVisible(l.cylinderVisible);
    options_->setVisible(l.settingsVisible);
    tabs_->setVisible(true);
    plotter_->setVisible(true);
    if (l.cylinderVisible) {
        kolbenHolder_->move(l.cylinder.topLeft());
    }
    if (l.settingsVisible) {
        options_->move(l.settings.topLeft());
    }
    tabs_->setGeometry(l.tabs);
    plotter_->setGeometry(l.plotter);
    plotter_->raise();
    for (QPushButton* b : regressionButtons_) {
        b->move(tabs_->width() - b->width(), 0);
        b->raise();
    }
    redrawGraph();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    arrangeWindow();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        services_.firstPaint();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    quitRequested_ = true;
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == anz_[1] && intervalReadoutEvent(event)) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == anz_[1]) {
        intervalMenu_->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vozavero
