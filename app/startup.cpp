#include "app/startup.h"

#include "app/Unit1.h"
#include "app/Unit22.h"
#include "app/Unit8.h"
#include "backups/backupwindow.h"
#include "dictionary/Unit11.h"
#include "dictionary/Unit14.h"
#include "dictionary/Unit15.h"
#include "dictionary/Unit17.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "exchange/importwindow.h"
#include "internet/Unit19.h"
#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "learning/Unit6.h"
#include "learning/Unit7.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "review/reviewwindow.h"
#include "statistics/Unit23.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "testing/Unit9.h"
#include "tips/tipy.h"
#include "translator/Unit24.h"

#include <QApplication>

Windows::Windows(Platform &platform, const std::function<void(Forms &)> &splashMade)
    : m_platform(platform) {
    // The settings the windows store while they are created (the defaults, at the
    // first start) are written to the store once, at the end.
    m_platform.registry->deferWrites();
    // The fixed creation order: a window that reads another window's controls while
    // it is created comes after it.
    create(m_forms.Form22);
    if (splashMade)
        splashMade(m_forms);
    create(m_forms.Form1);
    m_forms.main = m_forms.Form1;
    create(m_forms.Form8);
    m_forms.settings = m_forms.Form8;
    create(m_forms.Form2);
    m_forms.document = &m_forms.Form2->document();
    create(m_forms.Form3);
    create(m_forms.Form9);
    m_forms.evaluation = m_forms.Form9;
    create(m_forms.Form7);
    create(m_forms.Form6);
    create(m_forms.Form4);
    create(m_forms.Form10);
    create(m_forms.Form12);
    create(m_forms.Form5);
    create(m_forms.Form11);
    m_forms.Form11->setSource(m_forms.Form9);
    create(m_forms.Form13);
    create(m_forms.Form14);
    create(m_forms.Form15);
    create(m_forms.Form16);
    create(m_forms.Form18);
    create(m_forms.Form17);
    create(m_forms.Form19);
    create(m_forms.Form20);
    create(m_forms.Form23);
    create(m_forms.Form24);
    create(m_forms.review);
    create(m_forms.importWindow);
    create(m_forms.backupWindow);
    m_forms.made = true;
    m_platform.registry->writeDeferred(*m_platform.dialogs);
}

Windows::~Windows() {
    while (!m_owned.empty())
        m_owned.pop_back();
}

template <typename Window> void Windows::create(Window *&slot) {
    auto window = std::make_unique<Window>(m_forms, m_platform);
    slot = window.get();
    m_owned.push_back(std::move(window));
}

void showSplash(Forms &forms) {
    forms.Form22->show();
    forms.Form22->raise();
    forms.Form22->activateWindow();
    // Painted now, before the other windows are made; what the user types and a second
    // start's message wait for the message loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers);
}

void startProgram(Forms &forms) {
    // The splash comes first; its two ticks then bring up the main window.
    forms.Form22->show();
    forms.Form22->raise();
    forms.Form22->activateWindow();
    forms.Form22->windowsMade();
}

void bringToFront(Forms &forms) {
    const auto isFrame = [](const QWidget *window) {
        return window->isVisible() &&
               (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
    };
    QWidget *modal = QApplication::activeModalWidget();
    QList<QWidget *> shown;
    // The main window first, so that a mode or settings window open over it stays over
    // it; a modal question last, on top.
    if (isFrame(forms.Form1))
        shown.append(forms.Form1);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (isFrame(window) && window != forms.Form1 && window != modal)
            shown.append(window);
    }
    if (modal)
        shown.append(modal);
    for (QWidget *window : std::as_const(shown)) {
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
    }
    if (!shown.isEmpty())
        shown.last()->activateWindow();
}
