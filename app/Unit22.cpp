#include "app/Unit22.h"

#include "app/Unit1.h"
#include "core/product.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/forms.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {

constexpr int kPictureWidth = 285;
constexpr int kPictureHeight = 145;
// The margin around the addresses below the picture.
constexpr int kMargin = 6;

QLabel *addressLabel(QWidget *parent, const char *name, const QString &text) {
    auto *label = named<QLabel>(parent, name);
    label->setText(text);
    label->setContentsMargins(3, 0, 3, 0);
    label->hide();
    return label;
}

} // namespace

TForm22::TForm22(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form22")) {
    setWindowTitle(QStringLiteral("Vokab 2.20"));
    setFrame(Frame::None);
    setCentralWidget(new QWidget(this));
    setFixedClientSize(kPictureWidth + 1, kPictureHeight);

    Image1 = named<QLabel>(centralWidget(), "Image1");
    Image1->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    Image1->setPixmap(picture(platform.folder.shipped(QStringLiteral("splash.png"))));

    SpeedButton1 = named<QToolButton>(centralWidget(), "SpeedButton1");
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(standardIcon(this, QStyle::SP_TitleBarCloseButton));
    SpeedButton1->setToolTip(QStringLiteral("Zavřít"));
    SpeedButton1->setGeometry(kPictureWidth + 1 - 22, 2, 20, 20);
    SpeedButton1->hide();

    Label1 = addressLabel(centralWidget(), "Label1",
                          QStringLiteral("e-mail: ") + product::authorEmail());
    Label2 =
        addressLabel(centralWidget(), "Label2", QStringLiteral("www: ") + product::webAddress());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm22::Timer1Timer);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm22::SpeedButton1Click);

    ticksLeft = 2;
    centreOnDesktop();
    // The about box closes by its close button; the splash (the button hidden) stays.
    pressOnEscape({SpeedButton1});
}

QPixmap TForm22::picture(const QString &file) {
    QPixmap picture;
    if (picture.load(file) && !picture.isNull())
        return picture.scaled(kPictureWidth, kPictureHeight, Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
    picture = QPixmap(kPictureWidth, kPictureHeight);
    picture.fill(QColor(0x1E, 0x3A, 0x8A));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Vokab 2.20"));
    return picture;
}

void TForm22::FormShow() {
    // The ticks start when the splash is activated; a desktop that does not hand the
    // focus to a new window would otherwise keep the splash up for good.
    if (ticksLeft > 0 && SpeedButton1->isHidden() && !Timer1->isActive())
        Timer1->start();
}

void TForm22::FormActivate() {
    if (ticksLeft > 0 && SpeedButton1->isHidden() && !Timer1->isActive())
        Timer1->start();
}

void TForm22::Timer1Timer() {
    --ticksLeft;
    if (ticksLeft > 0)
        return;
    Timer1->stop();
    if (ticksLeft < 0)
        return;
    giveWay();
}

void TForm22::giveWay() {
    // A message shown while the windows are made (a bad setting) keeps the start-up
    // waiting for its answer while the ticks go on; the main window needs them all.
    if (!forms.made) {
        m_giveWayWhenMade = true;
        return;
    }
    forms.Form1->afterSplash();
    hide();
}

void TForm22::windowsMade() {
    if (std::exchange(m_giveWayWhenMade, false))
        giveWay();
}

void TForm22::SpeedButton1Click() {
    hide();
    forms.Form1->showUnlessModeOpen();
}

void TForm22::showAbout() {
    Timer1->stop();
    SpeedButton1->show();
    // The addresses in a band below the picture, so that they cover none of its text; the
    // window grows by the band, and is as wide as the longer address needs.
    int top = kPictureHeight + kMargin;
    int width = kPictureWidth + 1;
    for (QLabel *label : {Label1, Label2}) {
        label->adjustSize();
        label->move(kMargin, top);
        top += label->height();
        width = std::max(width, label->width() + 2 * kMargin);
        label->show();
    }
    SpeedButton1->move(width - 22, 2);
    setFixedClientSize(width, top + kMargin);
    centreOnDesktop();
    show();
    raise();
    activateWindow();
}

bool TForm22::FormCloseQuery() {
    return false;
}
