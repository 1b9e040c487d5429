#include "app/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

VokabForm::VokabForm(Forms &forms_, Platform &platform_, const QString &name, QWidget *parent)
    : QMainWindow(parent), forms(forms_), platform(platform_) {
    setObjectName(name);
}

void VokabForm::setFixedClientSize(int width, int height) {
    if (!centralWidget())
        setCentralWidget(new QWidget(this));
    // A few pixels more where the system's font needs them, so that no text is cut off.
    centralWidget()->setFixedSize(
        QSize(width, height).expandedTo(centralWidget()->minimumSizeHint()));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void VokabForm::centreOnDesktop() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // A window never resized takes its size hint when it is first shown; before that
    // its size is Qt's 640 x 480 placeholder, which would place it off the centre.
    const QSize size =
        testAttribute(Qt::WA_Resized) ? this->size().expandedTo(sizeHint()) : sizeHint();
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

bool VokabForm::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
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
