// A seeded random run over every window: thousands of clicks, key presses, menu
// actions, selections and timer ticks, with every dialog answered at random. Any
// crash, sanitizer report or unexpected exception is reported with its seed and step.
#include "monkeydialogs.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/application.h"
#include "ui/form.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <random>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// Where the run is, for the crash report (read from a signal handler).
volatile std::sig_atomic_t g_seed = -1;
volatile std::sig_atomic_t g_step = -1;

void writeNumber(long value) {
    char digits[24];
    int n = 0;
    if (value < 0) {
        (void)!write(2, "-", 1);
        value = -value;
    }
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value && n < 20);
    while (n)
        (void)!write(2, &digits[--n], 1);
}

void reportPosition() {
    const char prefix[] = "\nmonkey: failed at seed ";
    (void)!write(2, prefix, sizeof prefix - 1);
    writeNumber(g_seed);
    const char middle[] = ", step ";
    (void)!write(2, middle, sizeof middle - 1);
    writeNumber(g_step);
    (void)!write(2, "\n", 1);
}

void onFatalSignal(int signal) {
    reportPosition();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int envNumber(const char *name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

const QString kTypedCharacters =
    QStringLiteral("abcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž ABCČDĎEÉĚŘŠŽ;+[]!?*/\\.0123456789@:-");

QByteArray cp1250Dictionary(int lines, int seed) {
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("slovo%1+věc;WORD%2;[w@:d];NENÍ\r\n").arg(i + seed).arg(i);
    return cp1250(text);
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

    struct Run {
        std::mt19937_64 engine;
        TestWindows *windows = nullptr;
        MonkeyDialogs *dialogs = nullptr;

        int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine); }
        bool chance(double p) { return std::bernoulli_distribution(p)(engine); }
    };

    static QList<VokabForm *> allForms() {
        QList<VokabForm *> forms;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *form = qobject_cast<VokabForm *>(w))
                forms.append(form);
        }
        std::sort(forms.begin(), forms.end(),
                  [](VokabForm *a, VokabForm *b) { return a->objectName() < b->objectName(); });
        return forms;
    }

    // Controls a user can reach: visible and enabled, and not Qt's own parts of a menu
    // bar (its extension button opens a popup menu of its own).
    template <typename W> static QList<W *> usable(QWidget *form) {
        QList<W *> result;
        for (W *w : form->findChildren<W *>()) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            bool inMenu = false;
            for (QWidget *p = w; p && p != form; p = p->parentWidget())
                inMenu = inMenu || qobject_cast<QMenuBar *>(p) || qobject_cast<QMenu *>(p);
            if (!inMenu)
                result.append(w);
        }
        return result;
    }

    static std::unique_ptr<TestPlatform> preparedPlatform(quint64 seed, QStringList &files) {
        auto platform = std::make_unique<TestPlatform>(seed);
        files << platform->writeFile("slovniky/zvirata.slv",
                                     cp1250("kočka;cat;[k4t];NENÍ\r\npes+čokl;dog;[d9g];NENÍ\r\n"
                                            "myš;mouse;[];Temp/mouse.wav\r\n"))
              << platform->writeFile("slovniky/prazdny.slv", "")
              << platform->writeFile("slovniky/kratke.slv", "a;b\r\n\r\njen jedno\r\n;;;;;\r\n")
              << platform->writeFile("slovniky/velky.slv", cp1250Dictionary(300, int(seed)))
              << platform->writeFile("slovniky/vyznamy.slv",
                                     cp1250("a+b+c+d+e+f;1+2+3+4+5+6;[];NENÍ\r\nx;y;[];NENÍ\r\n"))
              << platform->writeFile("seznamy/cesky.cz", cp1250("dům\r\npes\r\nkočka\r\n"))
              << platform->writeFile("seznamy/anglicky.ang", "HOUSE\r\nDOG\r\n")
              << platform->writeFile("seznamy/nemecky.nem", "HAUS\r\nHUND\r\nKATZE\r\nMAUS\r\n")
              << platform->writeFile("Temp/mouse.wav", QByteArray("RIFF") + QByteArray(40, '\0'))
              << platform->folder.userFile("vystup/novy.slv")
              << platform->folder.userFile("vystup/graf.bmp")
              << platform->folder.userFile("chybi/slozka/soubor.slv");
        QDir().mkpath(platform->folder.userFile("vystup"));
        platform->writeFile("prekladac.dat", cp1250("CAT;KOČKA\r\nDOG;PES+ČOKL\r\nHOUSE;DŮM\r\n"
                                                    "zdroj\r\nZačátek český výrazů\r\n"
                                                    "PES;DOG\r\nKOČKA;CAT\r\n"));
        platform->writeFile("Tips.vkb", cp1250("1;První tip;Druhý text\r\n2;A;B\r\n3;C\r\n"));
        platform->writeFile("statistiky.dat",
                            cp1250("zvirata.slv;8.12.2026;10:15:30;2;1;66;Ano;Zkoušení I\r\n"
                                   "kratke.slv;7.12.2026;9:00:00;x;1;0;Ne\r\n"));
        return platform;
    }

    void act(Run &run, const QList<VokabForm *> &forms) {
        QList<VokabForm *> shown;
        for (VokabForm *f : forms) {
            if (f->isVisible())
                shown.append(f);
        }
        if (shown.isEmpty() || run.chance(0.03)) {
            VokabForm *form = forms[run.pick(int(forms.size()))];
            form->show();
            form->activateWindow();
            return;
        }
        VokabForm *form = shown[run.pick(int(shown.size()))];
        switch (run.pick(10)) {
        case 0:
        case 1: { // click a button, check box or radio button
            const auto buttons = usable<QAbstractButton>(form);
            if (!buttons.isEmpty())
                buttons[run.pick(int(buttons.size()))]->click();
            break;
        }
        case 2: { // a menu item
            QList<QAction *> actions;
            for (QAction *a : form->findChildren<QAction *>()) {
                if (a->isEnabled() && !a->menu() && !a->isSeparator() && !a->text().isEmpty())
                    actions.append(a);
            }
            if (!actions.isEmpty())
                actions[run.pick(int(actions.size()))]->trigger();
            break;
        }
        case 3:
        case 4: { // type into an edit box
            QList<QWidget *> edits;
            for (auto *e : usable<QLineEdit>(form))
                edits.append(e);
            for (auto *e : usable<QPlainTextEdit>(form))
                edits.append(e);
            for (auto *e : usable<QTextEdit>(form))
                edits.append(e);
            if (edits.isEmpty())
                break;
            QWidget *edit = edits[run.pick(int(edits.size()))];
            edit->setFocus();
            const int count = 1 + run.pick(6);
            for (int i = 0; i < count; ++i) {
                const QChar ch = kTypedCharacters[run.pick(int(kTypedCharacters.size()))];
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), {});
            }
            if (run.chance(0.4))
                QTest::keyClick(edit, Qt::Key_Return);
            break;
        }
        case 5: { // a key pressed to the window or a special key
            static const Qt::Key keys[] = {
                Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Delete,
                Qt::Key_Up,     Qt::Key_Down,   Qt::Key_F1,  Qt::Key_F2,        Qt::Key_F3};
            QWidget *target = QApplication::focusWidget();
            if (!target || target->window() != form)
                target = form;
            if (run.chance(0.5)) {
                static const QString letters = QStringLiteral("dvnDVNx");
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown,
                                    QString(letters[run.pick(int(letters.size()))]), {});
            } else {
                QTest::keyClick(target, keys[run.pick(int(std::size(keys)))]);
            }
            break;
        }
        case 6: { // select a row of a list
            const auto tables = usable<QTableView>(form);
            const auto lists = usable<QListWidget>(form);
            if (!tables.isEmpty() && run.chance(0.5)) {
                QTableView *table = tables[run.pick(int(tables.size()))];
                if (table->model() && table->model()->rowCount() > 0) {
                    const QModelIndex index =
                        table->model()->index(run.pick(table->model()->rowCount()), 0);
                    table->setCurrentIndex(index);
                    if (run.chance(0.2))
                        emit table->doubleClicked(index);
                }
            } else if (!lists.isEmpty()) {
                QListWidget *list = lists[run.pick(int(lists.size()))];
                if (list->count() > 0) {
                    QListWidgetItem *item = list->item(run.pick(list->count()));
                    list->setCurrentItem(item);
                    if (item->flags() & Qt::ItemIsUserCheckable)
                        item->setCheckState(run.chance(0.5) ? Qt::Checked : Qt::Unchecked);
                    emit list->itemClicked(item);
                }
            }
            break;
        }
        case 7: { // spin fields and combo boxes
            const auto spins = usable<QAbstractSpinBox>(form);
            const auto combos = usable<QComboBox>(form);
            if (!spins.isEmpty() && run.chance(0.5)) {
                QAbstractSpinBox *spin = spins[run.pick(int(spins.size()))];
                const int steps = 1 + run.pick(5);
                run.chance(0.5) ? spin->stepBy(steps) : spin->stepBy(-steps);
            } else if (!combos.isEmpty()) {
                QComboBox *combo = combos[run.pick(int(combos.size()))];
                if (combo->count() > 0)
                    combo->setCurrentIndex(run.pick(combo->count()));
            }
            break;
        }
        case 8: { // a tick of a running timer
            QList<QTimer *> timers;
            for (QTimer *t : form->findChildren<QTimer *>()) {
                if (t->isActive())
                    timers.append(t);
            }
            if (!timers.isEmpty()) {
                QTimer *timer = timers[run.pick(int(timers.size()))];
                QTimerEvent tick(timer->timerId());
                QCoreApplication::sendEvent(timer, &tick);
            }
            break;
        }
        case 9: // close the window, or let queued events run
            if (run.chance(0.3))
                form->close();
            else
                QCoreApplication::processEvents();
            break;
        }
    }

private slots:
    void initTestCase() {
        std::signal(SIGSEGV, onFatalSignal);
        std::signal(SIGABRT, onFatalSignal);
        std::signal(SIGFPE, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(reportPosition);
#endif
        // A modal dialog shown past the dialog layer would block the run: close it
        // and count it as a failure.
        auto *watchdog = new QTimer(this);
        connect(watchdog, &QTimer::timeout, this, [this] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                m_modalDialogs.append(QStringLiteral("popup ") + popup->metaObject()->className());
                popup->close();
            }
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_modalDialogs.append(modal->metaObject()->className() + QStringLiteral(" ") +
                                      modal->windowTitle());
                modal->close();
            }
        });
        watchdog->start(200);
    }

    void randomInputOverEveryWindow() {
        const int seeds = envNumber("VOKAB_MONKEY_SEEDS", 20);
        const int actions = envNumber("VOKAB_MONKEY_ACTIONS", 5000);
        const int firstSeed = envNumber("VOKAB_MONKEY_FIRST_SEED", 1);
        auto *app = qobject_cast<VokabApplication *>(QCoreApplication::instance());
        QVERIFY(app);
        int totalActions = 0;
        int totalMessages = 0;
        for (int seed = firstSeed; seed < firstSeed + seeds; ++seed) {
            g_seed = seed;
            g_step = -1;
            QStringList files;
            auto platform = preparedPlatform(quint64(seed), files);
            auto dialogs = std::make_unique<MonkeyDialogs>(quint64(seed) * 7919, files);
            MonkeyDialogs *monkeyDialogs = dialogs.get();
            platform->dialogs = std::move(dialogs);
            app->setErrorDialogs(monkeyDialogs);
            {
                TestWindows windows(std::move(platform));
                Run run{std::mt19937_64(quint64(seed)), &windows, monkeyDialogs};
                const QList<VokabForm *> forms = allForms();
                QCOMPARE(forms.size(), 26);
                // Every window is opened at least once.
                for (VokabForm *form : forms) {
                    form->show();
                    QCoreApplication::processEvents();
                }
                for (int step = 0; step < actions; ++step) {
                    g_step = step;
                    act(run, forms);
                }
                totalActions += actions;
                totalMessages += monkeyDialogs->messages;
                QVERIFY2(monkeyDialogs->unexpectedErrors.isEmpty(),
                         qPrintable(QStringLiteral("seed %1: %2")
                                        .arg(seed)
                                        .arg(monkeyDialogs->unexpectedErrors.join(" | "))));
                QVERIFY2(m_modalDialogs.isEmpty(),
                         qPrintable(QStringLiteral("seed %1: modal dialog outside the dialog "
                                                   "layer: %2")
                                        .arg(seed)
                                        .arg(m_modalDialogs.join(", "))));
            }
            app->setErrorDialogs(nullptr);
        }
        // Printed directly: the offscreen platform's warnings use up the test's quota of
        // messages long before the end.
        std::printf("monkey: %d seeds, %d actions, %d dialog answers\n", seeds, totalActions,
                    totalMessages);
        std::fflush(stdout);
    }

private:
    QStringList m_modalDialogs;
};

int main(int argc, char **argv) {
    VokabApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_monkey.moc"
