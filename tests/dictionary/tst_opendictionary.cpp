// Every window that opens a dictionary (editor, learning, Testing I and II, merger): a
// file in UTF-8 from another tool is offered to be read as UTF-8, naming the characters
// that Windows-1250 cannot hold; a file that is not a text is refused; a Windows-1250
// file opens as it always did, without a question.
#include "core/win1250.h"
#include "dictionary/Unit14.h"
#include "dictionary/Unit2.h"
#include "learning/Unit6.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit12.h"
#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>

namespace {

enum class Opener { Editor, Learning, TestingI, TestingII, Merger };

const QString kUtf8Question =
    QStringLiteral("Soubor je v kódování UTF-8. Načíst jej a při uložení převést do Windows-1250?");

// Opens the chosen file through the window's own control; the fields of the first
// expression the window then holds, joined by ";" (empty when it holds none).
QString openThrough(TestWindows &windows, Opener opener) {
    Forms &f = windows.forms();
    const auto click = [](VokabForm *window, QPushButton *button) {
        window->show();
        QTest::mouseClick(button, Qt::LeftButton);
    };
    const auto fields = [](const Tslovniky &r) {
        return r.cz + u';' + r.ang + u';' + r.vyslovnost + u';' + r.zvuk;
    };
    switch (opener) {
    case Opener::Editor:
        f.Form2->show();
        f.Form2->openAction->trigger();
        return f.Form2->dictionary().isEmpty() ? QString() : fields(f.Form2->dictionary().first());
    case Opener::Learning:
        click(f.Form6, f.Form6->BitBtn2);
        return f.Form6->dictionary().isEmpty() ? QString() : fields(f.Form6->dictionary().first());
    case Opener::TestingI: {
        click(f.Form4, f.Form4->btnovy);
        const auto &items = f.Form4->test().items();
        if (items.isEmpty())
            return {};
        // The Czech expression is shown, the foreign one is the answer.
        return items.first().shown + u';' + items.first().answer + u';' + items.first().vyslovnost +
               u';' + items.first().zvuk;
    }
    case Opener::TestingII: {
        click(f.Form12, f.Form12->BitBtn2);
        const auto &items = f.Form12->test().items();
        return items.isEmpty() ? QString() : fields(items.first());
    }
    case Opener::Merger:
        click(f.Form14, f.Form14->btnacti);
        return f.Form14->Tpuvodni().isEmpty() ? QString() : fields(f.Form14->Tpuvodni().first());
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestOpenDictionary : public QObject {
    Q_OBJECT

private slots:
    void utf8DictionaryIsOfferedInEveryWindowThatOpensOne_data() {
        QTest::addColumn<Opener>("opener");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("yes");         // the answer to the question, if asked
        QTest::addColumn<QString>("expected"); // the first expression, empty for none
        QTest::addColumn<QString>("message");  // the question or message shown, "" for none
        const QByteArray utf8 = QStringLiteral("kočka;cat;[ʃ];NENÍ\r\n").toUtf8();
        const QString asToday = win1250::decode(utf8).chopped(2);
        const QString question =
            kUtf8Question + QStringLiteral("\n\nTyto znaky kódování Windows-1250 nemá, v "
                                           "načteném slovníku budou nahrazeny otazníkem "
                                           "„?“:\nʃ");
        const std::pair<const char *, Opener> openers[] = {{"editor", Opener::Editor},
                                                           {"learning", Opener::Learning},
                                                           {"testing I", Opener::TestingI},
                                                           {"testing II", Opener::TestingII},
                                                           {"merger", Opener::Merger}};
        for (const auto &[name, opener] : openers) {
            QTest::addRow("%s, UTF-8 read as UTF-8", name)
                << opener << utf8 << true << QStringLiteral("kočka;cat;[?];NENÍ") << question;
            QTest::addRow("%s, UTF-8 read as before", name)
                << opener << utf8 << false << asToday << question;
            QTest::addRow("%s, UTF-8 without foreign signs", name)
                << opener << QStringLiteral("dům;house;[];NENÍ\r\n").toUtf8() << true
                << QStringLiteral("dům;house;[];NENÍ") << kUtf8Question;
            QTest::addRow("%s, Windows-1250", name)
                << opener << cp1250(QStringLiteral("kůň;horse;[];NENÍ\r\n")) << true
                << QStringLiteral("kůň;horse;[];NENÍ") << QString();
            QTest::addRow("%s, not a text", name)
                << opener << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << true << QString()
                << QStringLiteral("Slovník „%1“ nelze načíst: soubor obsahuje nulové bajty, není "
                                  "to textový slovník.");
        }
    }
    void utf8DictionaryIsOfferedInEveryWindowThatOpensOne() {
        QFETCH(Opener, opener);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, yes);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        TestWindows windows;
        const QString path = windows.platform().writeFile(QStringLiteral("cizi.slv"), bytes);
        windows.dialogs().files.push_back(path);
        windows.dialogs().answers.push_back(yes);

        QCOMPARE(openThrough(windows, opener), expected);
        if (message.contains(QStringLiteral("%1")))
            message = message.arg(QDir::toNativeSeparators(path));
        QCOMPARE(windows.dialogs().texts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        if (message.startsWith(kUtf8Question))
            QVERIFY(windows.dialogs().shown.first().isQuestion);
    }
};

QTEST_MAIN(TestOpenDictionary)
#include "tst_opendictionary.moc"
