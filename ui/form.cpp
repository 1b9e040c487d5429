#include "ui/form.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

VokabForm::VokabForm(Forms &forms_, Platform &platform_, const QString &name, QWidget *parent)
    : QMainWindow(parent), forms(forms_), platform(platform_) {
    setObjectName(name);
}

void VokabForm::setFixedClientSize(int width, int height) {
    if (!centralWidget())
        setCentralWidget(new QWidget(this));
    // A few pixels more where the system's font needs them, so that no text is cut off,
    // the title included.
    centralWidget()->setFixedSize(QSize(width, height)
                                      .expandedTo(centralWidget()->minimumSizeHint())
                                      .expandedTo(QSize(titleWidth(), 0)));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void VokabForm::setMinimumClientSize(int width, int height) {
    if (!centralWidget())
        setCentralWidget(new QWidget(this));
    centralWidget()->setMinimumSize(QSize(width, height)
                                        .expandedTo(centralWidget()->minimumSizeHint())
                                        .expandedTo(QSize(titleWidth(), 0)));
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    resize(minimumSizeHint());
    m_sizeable = true;
}

int VokabForm::titleWidth() const {
    if (windowFlags() & Qt::FramelessWindowHint)
        return 0;
    // The desktop's title font is not known: the program's font in bold, and a tenth more,
    // stands for it, and a square a little higher than a line of it for each of the
    // window's icon and its three buttons beside the title.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(windowTitle()) * 11 / 10 + 4 * (metrics.height() + 8) + 16;
}

void VokabForm::centreOnDesktop() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window never resized takes its size hint when it is first shown; before that
    // its size is Qt's 640 x 480 placeholder, which would place it off the centre.
    // A window the user may enlarge starts at its smallest size, below its size hint.
    const QSize size = m_sizeable                      ? this->size()
                       : testAttribute(Qt::WA_Resized) ? this->size().expandedTo(sizeHint())
                                                       : sizeHint();
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void VokabForm::closeOnEscape() {
    m_escape = Escape::Closes;
}

void VokabForm::pressOnEscape(const QList<QAbstractButton *> &buttons) {
    m_escape = Escape::Presses;
    m_escapeButtons.clear();
    for (QAbstractButton *button : buttons)
        m_escapeButtons.append(button);
}

void VokabForm::setFrame(Frame frame) {
    const Qt::WindowFlags framed = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (frame) {
    case Frame::Fixed:
        setWindowFlags(Qt::Window | framed | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        break;
    case Frame::Sizeable:
        setWindowFlags(Qt::Window | framed | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                       Qt::WindowCloseButtonHint);
        break;
    case Frame::FixedWithoutMinimise:
        setWindowFlags(Qt::Window | framed | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        break;
    case Frame::CloseBoxOnly:
        setWindowFlags(Qt::Dialog | framed | Qt::WindowCloseButtonHint);
        break;
    case Frame::Progress:
        setWindowFlags(Qt::Dialog | framed | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint);
        break;
    case Frame::NoCloseBox:
        setWindowFlags(Qt::Dialog | framed);
        break;
    case Frame::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        break;
    }
}

bool VokabForm::desktopKey(const QKeyEvent *key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A key that the focused control did not take comes here: a button outside a
        // dialog box leaves Return to its window.
        QWidget *focus = focusWidget();
        if (!qobject_cast<QPushButton *>(focus) && !qobject_cast<QToolButton *>(focus))
            return false;
        static_cast<QAbstractButton *>(focus)->click();
        return true;
    }
    case Qt::Key_Escape:
        switch (m_escape) {
        case Escape::Ignored:
            return false;
        case Escape::Closes:
            close();
            return true;
        case Escape::Presses:
            for (QAbstractButton *button : std::as_const(m_escapeButtons)) {
                if (button && button->isVisible()) {
                    button->click();
                    break;
                }
            }
            return true;
        }
        return false;
    default:
        return false;
    }
}

void VokabForm::placeBeside(const QWidget *other, const QRect &keepClear) {
    const QScreen *screen = other->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect otherFrame = other->frameGeometry();
    const QRect otherClient = other->geometry();
    // Before it is first shown this window has no frame yet: it gets the same as the other.
    const QMargins frame(
        otherClient.left() - otherFrame.left(), otherClient.top() - otherFrame.top(),
        otherFrame.right() - otherClient.right(), otherFrame.bottom() - otherClient.bottom());
    const QSize client = testAttribute(Qt::WA_Resized) ? size().expandedTo(sizeHint()) : sizeHint();
    const QSize outer = client.grownBy(frame);
    const auto onScreen = [&](int x, int y) {
        return QPoint(
            x, std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    };
    QPoint place;
    if (otherFrame.right() + outer.width() <= area.right())
        place = onScreen(otherFrame.right() + 1, otherFrame.top());
    else if (otherFrame.left() - outer.width() >= area.left())
        place = onScreen(otherFrame.left() - outer.width(), otherFrame.top());
    else
        place = onScreen(area.right() + 1 - outer.width(), keepClear.bottom() + 1);
    // The client area, below and inside the frame: move() would place the frame of a
    // window already shown but the client area of one not shown yet.
    setGeometry(QRect(place + QPoint(frame.left(), frame.top()), client));
}

bool VokabForm::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    if (event->type() == QEvent::KeyPress && desktopKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::event(event);
}

void VokabForm::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void VokabForm::closeEvent(QCloseEvent *event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

namespace {

const char *const kApplicationTitle = "vokabApplicationTitle";

} // namespace

// Kept on the application object, not as Qt's application display name: Qt appends that
// name to the title of every window ("Vokab 2.20 — Vokab"), and each window's title must
// be its own text.
void setApplicationTitle(const QString &title) {
    if (QCoreApplication *application = QCoreApplication::instance())
        application->setProperty(kApplicationTitle, title);
}

QString applicationTitle() {
    const QCoreApplication *application = QCoreApplication::instance();
    return application ? application->property(kApplicationTitle).toString() : QString();
}
