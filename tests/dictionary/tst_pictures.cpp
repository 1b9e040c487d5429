#include "dictionary/Unit14.h"
#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/editorpictures.h"
#include "dictionary/picturefile.h"
#include "dictionary/slovnik.h"
#include "learning/Unit6.h"
#include "review/reviewwindow.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {

const QByteArray kHeader = "VOKAB-PICTURES 1\r\n";

QImage drawing(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    for (int x = 0; x < width; x += 7)
        image.setPixel(x, x * height / width, qRgb(255, 200, 0));
    return image;
}

void writeImage(const QString &path, const QImage &image, const char *format) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(image.save(path, format));
}

void writeDictionary(const QString &path, const QStringList &lines) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cp1250Lines(lines));
}

// The picture beside the editor's fields shows something.
bool showsPicture(TForm2 *editor) {
    return !editor->pictures().pictureView->pixmap().isNull();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    // A picture file names pictures by their bare names in the sound folder. A name that
    // leads anywhere else (a folder, a drive, a dot file, a link out of the folder) is
    // never shown, and the line stays in the file when the dictionary is saved; a good
    // name is shown and written back as it was.
    void namesFromThePictureFileStayInTheFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("told"); // the name is refused with a message
        QTest::newRow("a picture in the folder") << "cat.png" << true << false;
        QTest::newRow("upper-case extension") << "Kočka.PNG" << true << false;
        QTest::newRow("up and out") << "../outside.png" << false << true;
        QTest::newRow("absolute") << "OUTSIDE" << false << true; // the absolute path
        QTest::newRow("backslash") << "..\\outside.png" << false << true;
        QTest::newRow("drive") << "C:outside.png" << false << true;
        QTest::newRow("dot file") << ".cat.png" << false << true;
        QTest::newRow("not a picture's extension") << "cat.slv" << false << true;
        QTest::newRow("a link out of the folder") << "link.png" << false << false;
    }
    void namesFromThePictureFileStayInTheFolder() {
        QFETCH(QString, name);
        QFETCH(bool, shown);
        QFETCH(bool, told);
        QTemporaryDir dir;
        const QString dictionary = dir.filePath("zvirata.slv");
        writeDictionary(dictionary, {"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"});
        writeImage(dir.filePath("ZVIRATA/cat.png"), drawing(40, 30), "png");
        writeImage(dir.filePath("ZVIRATA/Kočka.PNG"), drawing(40, 30), "png");
        writeImage(dir.filePath("outside.png"), drawing(40, 30), "png");
        QFile::copy(dir.filePath("ZVIRATA/cat.png"), dir.filePath("ZVIRATA/cat.slv"));
        QFile::link(dir.filePath("outside.png"), dir.filePath("ZVIRATA/link.png"));
        if (name == "OUTSIDE")
            name = dir.filePath("outside.png");
        const QByteArray line = "P\tcat\tkočka\t" + name.toUtf8().replace("\\", "\\\\") + "\r\n";
        const QString side = dir.filePath("zvirata.vko");
        QFile file(side);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kHeader + line);
        file.close();

        TForm2 *e = editor();
        m_windows->dialogs().files.push_back(dictionary);
        e->openAction->trigger();
        e->selectRow(0);
        QCOMPARE(showsPicture(e), shown);
        QCOMPARE(m_windows->dialogs().texts().join("\n").contains("nepovoleným jménem"), told);
        e->selectRow(1);
        QVERIFY(!showsPicture(e));

        // A change and a save write the file again: the line is still there as it was.
        e->selectRow(1);
        e->document().setRecord(1, {"dog", "pes", "[dOg]", "NENÍ"});
        QVERIFY(e->saveDictionary());
        QCOMPARE(bytesOf(side), kHeader + line);
        QVERIFY(bytesOf(dir.filePath("outside.png")) != "<missing>");
    }

    // A picture file that cannot be read is told in Czech; the dictionary opens without
    // pictures, and a save leaves that file as it was (a picture taken in meanwhile is told
    // to be not saved) while Save As elsewhere keeps the new picture.
    void anUnreadablePictureFileIsKept_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not UTF-8") << QByteArray(kHeader + "P\tcat\tko\xe8ka\tcat.png\r\n");
        QTest::newRow("a later version") << QByteArray("VOKAB-PICTURES 2\r\nQ\tx\r\n");
        QTest::newRow("no header") << QByteArray("P\tcat\tkočka\tcat.png\r\n");
        QTest::newRow("a zero byte") << QByteArray(kHeader + QByteArray("P\t\0\r\n", 5));
    }
    void anUnreadablePictureFileIsKept() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString dictionary = dir.filePath("zvirata.slv");
        writeDictionary(dictionary, {"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"});
        writeImage(dir.filePath("ZVIRATA/cat.png"), drawing(40, 30), "png");
        QFile side(dir.filePath("zvirata.vko"));
        QVERIFY(side.open(QIODevice::WriteOnly));
        side.write(bytes);
        side.close();

        TForm2 *e = editor();
        m_windows->dialogs().files.push_back(dictionary);
        e->openAction->trigger();
        QCOMPARE(e->recordCount(), 2);
        QVERIFY2(m_windows->dialogs().lastText().contains("nelze načíst"),
                 qPrintable(m_windows->dialogs().lastText()));
        e->selectRow(1);
        QApplication::clipboard()->setImage(drawing(30, 30));
        e->pictures().pastePictureAction->trigger();
        QVERIFY(showsPicture(e));
        QVERIFY(e->saveDictionary());
        QVERIFY2(m_windows->dialogs().lastText().startsWith("Obrázky se neuložily"),
                 qPrintable(m_windows->dialogs().lastText()));
        QCOMPARE(bytesOf(dir.filePath("zvirata.vko")), bytes);
        QVERIFY(bytesOf(dir.filePath("ZVIRATA/cat.png")) != "<missing>");

        m_windows->dialogs().files.push_back(dir.filePath("jina.slv"));
        e->saveAsAction->trigger();
        QCOMPARE(bytesOf(dir.filePath("zvirata.vko")), bytes);
        QVERIFY(bytesOf(dir.filePath("jina.vko")).startsWith(kHeader + "P\tdog\tpes\t"));
        QCOMPARE(m_windows->dialogs().unexpected, 0);
    }

    // A picture chosen from a file, pasted from the clipboard or dropped on the editor
    // goes to the selected expression as one step of the history, scaled down to 1024
    // pixels on its longer side; a save writes it into the sound folder and the picture
    // file, Save As copies it beside the other dictionary, and opening shows it again.
    void aPictureTakenInIsAnUndoableChange_data() {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("saved");
        QTest::newRow("a large JPEG chosen") << "file"
                                             << "jpg" << QSize(3000, 1500) << QSize(1024, 512);
        QTest::newRow("a small PNG chosen") << "file"
                                            << "png" << QSize(200, 100) << QSize(200, 100);
        QTest::newRow("a GIF dropped") << "drop"
                                       << "gif" << QSize(300, 1200) << QSize(256, 1024);
        QTest::newRow("the clipboard") << "clipboard"
                                       << "png" << QSize(1500, 1500) << QSize(1024, 1024);
    }
    void aPictureTakenInIsAnUndoableChange() {
        QFETCH(QString, road);
        QFETCH(QString, format);
        QFETCH(QSize, size);
        QFETCH(QSize, saved);
        QTemporaryDir dir;
        const QString dictionary = dir.filePath("zvirata.slv");
        writeDictionary(dictionary, {"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"});
        const QString source = dir.filePath("source." + format);
        // Qt writes no GIF: an animation of a blue frame, then a red one.
        if (format == "gif")
            QVERIFY(QFile::copy(sourceDir() + "/tests/data/pictures/two-frames.gif", source));
        else
            writeImage(source, drawing(size.width(), size.height()), format.toLatin1());

        TForm2 *e = editor();
        m_windows->dialogs().files.push_back(dictionary);
        e->openAction->trigger();
        DictionaryModel *model = e->document().model();
        // The list shows the document's columns: none for pictures while there are none.
        const auto columns = [&] {
            return std::min(model->columnCount(), e->stg->horizontalHeader()->count());
        };
        QCOMPARE(e->stg->horizontalHeader()->count(), model->columnCount());
        QCOMPARE(columns(), 4);
        e->selectRow(1);
        if (road == "file") {
            m_windows->dialogs().files.push_back(source);
            QTest::mouseClick(e->pictures().pictureButton, Qt::LeftButton);
        } else if (road == "drop") {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(source)});
            // As a desktop delivers a drop: the drag enters the editor first.
            e->show();
            QDragEnterEvent enter(QPoint(20, 200), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(e, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(20, 200), Qt::CopyAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(e, &drop);
            QVERIFY(drop.isAccepted());
        } else {
            QApplication::clipboard()->setImage(drawing(size.width(), size.height()));
            e->pictures().pastePictureAction->trigger();
        }
        QVERIFY2(showsPicture(e), qPrintable(m_windows->dialogs().texts().join("|")));
        QCOMPARE(columns(), 5);
        QCOMPARE(model->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "Obrázek");
        QTRY_VERIFY(!model->index(1, 4).data(Qt::DecorationRole).isNull());
        QVERIFY(model->index(0, 4).data(Qt::DecorationRole).isNull());
        QVERIFY(e->document().isModified());

        e->undoAction->trigger();
        QCOMPARE(columns(), 4);
        e->selectRow(1);
        QVERIFY(!showsPicture(e));
        e->redoAction->trigger();
        e->selectRow(1);
        QVERIFY(showsPicture(e));

        QVERIFY(e->saveDictionary());
        const QStringList files = QDir(dir.filePath("ZVIRATA")).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QCOMPARE(QImageReader(dir.filePath("ZVIRATA/" + files[0])).size(), saved);
        if (format == "gif") // the first frame, as a PNG
            QCOMPARE(QImage(dir.filePath("ZVIRATA/" + files[0])).pixelColor(5, 5),
                     QColor(0x30, 0x70, 0xc0));
        QCOMPARE(bytesOf(dir.filePath("zvirata.vko")),
                 kHeader + "P\tdog\tpes\t" + files[0].toUtf8() + "\r\n");

        QVERIFY(QDir(dir.path()).mkdir("jinde"));
        const QString other = dir.filePath("jinde/jina.slv");
        m_windows->dialogs().files.push_back(other);
        e->saveAsAction->trigger();
        QCOMPARE(bytesOf(dir.filePath("jinde/JINA/" + files[0])),
                 bytesOf(dir.filePath("ZVIRATA/" + files[0])));
        QCOMPARE(bytesOf(dir.filePath("jinde/jina.vko")),
                 kHeader + "P\tdog\tpes\t" + files[0].toUtf8() + "\r\n");

        m_windows->dialogs().files.push_back(dictionary);
        e->openAction->trigger();
        e->selectRow(1);
        QVERIFY(showsPicture(e));
        QCOMPARE(m_windows->dialogs().unexpected, 0);
    }

    // Deleting an expression whose picture another expression shares leaves the file, and
    // the other expression keeps showing it after the save; editing an expression's texts
    // takes its picture along, and the undo brings it back.
    void deletingOrEditingKeepsPictures_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("written");
        QTest::newRow("delete one of two sharing a file") << "delete"
                                                          << "P\tdog\tpes\tshared.png\r\n";
        QTest::newRow("edit the texts")
            << "edit"
            << "P\tcat\tkočka\tshared.png\r\nP\tdoggy\tpes\tshared.png\r\n";
        QTest::newRow("edit the texts, undone")
            << "edit, undo"
            << "P\tcat\tkočka\tshared.png\r\nP\tdog\tpes\tshared.png\r\n";
    }
    void deletingOrEditingKeepsPictures() {
        QFETCH(QString, step);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QString dictionary = dir.filePath("zvirata.slv");
        writeDictionary(dictionary, {"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"});
        writeImage(dir.filePath("ZVIRATA/shared.png"), drawing(40, 30), "png");
        QFile side(dir.filePath("zvirata.vko"));
        QVERIFY(side.open(QIODevice::WriteOnly));
        side.write(kHeader + "P\tcat\tkočka\tshared.png\r\nP\tdog\tpes\tshared.png\r\n");
        side.close();

        TForm2 *e = editor();
        m_windows->dialogs().files.push_back(dictionary);
        e->openAction->trigger();
        if (step == "delete") {
            e->selectRow(0);
            e->removeAction->trigger();
        } else {
            e->document().setRecord(1, {"doggy", "pes", "[]", "NENÍ"});
            if (step.endsWith("undo")) {
                e->undoAction->trigger();
                e->document().setRecord(0, {"cat", "kočka", "[kEt]", "NENÍ"});
            }
        }
        QVERIFY(e->saveDictionary());
        QVERIFY(QFile::exists(dir.filePath("ZVIRATA/shared.png")));
        QCOMPARE(QString::fromUtf8(bytesOf(dir.filePath("zvirata.vko"))),
                 QString::fromUtf8(kHeader) + written);
        e->selectRow(step == "delete" ? 0 : 1);
        QVERIFY(showsPicture(e));
    }

    // Pictures travel with their expressions: the merger brings those of every dictionary
    // it read (the first one's where two have the same expression), and a KVTML export
    // writes them as images that an import takes in again.
    void picturesTravelWithTheirExpressions_data() {
        QTest::addColumn<QString>("road");
        QTest::newRow("merge") << "merge";
        QTest::newRow("KVTML export and import") << "kvtml";
    }
    void picturesTravelWithTheirExpressions() {
        QFETCH(QString, road);
        QTemporaryDir dir;
        const QString first = dir.filePath("zvirata.slv");
        writeDictionary(first, {"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"});
        writeImage(dir.filePath("ZVIRATA/cat.png"), drawing(40, 30), "png");
        QFile side(dir.filePath("zvirata.vko"));
        QVERIFY(side.open(QIODevice::WriteOnly));
        // A line of a later version belongs to this dictionary, not to one made of it.
        side.write(kHeader + "X\tlater version\r\nP\tcat\tkočka\tcat.png\r\n");
        side.close();
        const QString result = dir.filePath("vysledek.slv");
        QByteArray catPicture = bytesOf(dir.filePath("ZVIRATA/cat.png"));
        if (road == "merge") {
            QVERIFY(QDir(dir.path()).mkdir("druhy"));
            const QString second = dir.filePath("druhy/ptaci.slv");
            writeDictionary(second, {"kočka;cat;[];NENÍ", "pták;bird;[];NENÍ"});
            writeImage(dir.filePath("druhy/PTACI/other-cat.png"), drawing(50, 30), "png");
            writeImage(dir.filePath("druhy/PTACI/bird.jpg"), drawing(60, 30), "jpg");
            QFile other(dir.filePath("druhy/ptaci.vko"));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write(kHeader + "P\tcat\tkočka\tother-cat.png\r\nP\tbird\tpták\tbird.jpg\r\n");
            other.close();
            TForm14 *merger = m_windows->forms().Form14;
            merger->show();
            for (const QString &source : {first, second}) {
                m_windows->dialogs().files.push_back(source);
                QTest::mouseClick(merger->btnacti, Qt::LeftButton);
                QTest::mouseClick(merger->BitBtn1, Qt::LeftButton);
            }
            m_windows->dialogs().files.push_back(result);
            QTest::mouseClick(merger->btuloz, Qt::LeftButton);
            QCOMPARE(bytesOf(dir.filePath("VYSLEDEK/bird.jpg")),
                     bytesOf(dir.filePath("druhy/PTACI/bird.jpg")));
            QCOMPARE(QString::fromUtf8(bytesOf(dir.filePath("vysledek.vko"))),
                     QString::fromUtf8(kHeader +
                                       "P\tbird\tpták\tbird.jpg\r\nP\tcat\tkočka\tcat.png\r\n"));
        } else {
            TForm2 *e = editor();
            m_windows->dialogs().files.push_back(first);
            e->openAction->trigger();
            const QString kvtml = dir.filePath("zvirata.kvtml");
            m_windows->dialogs().files.push_back(kvtml);
            e->exportAction->trigger();
            QVERIFY(bytesOf(kvtml).contains("<image>ZVIRATA/cat.png</image>"));
            QCOMPARE(bytesOf(kvtml).count("<image>"), 1);
            m_windows->dialogs().files.push_back(kvtml);
            e->importAction->trigger();
            QCOMPARE(e->recordCount(), 2);
            e->selectRow(0);
            QVERIFY(showsPicture(e));
            e->selectRow(1);
            QVERIFY(!showsPicture(e));
            m_windows->dialogs().files.push_back(result);
            QVERIFY(e->saveDictionary());
            QCOMPARE(QString::fromUtf8(bytesOf(dir.filePath("vysledek.vko"))),
                     QString::fromUtf8(kHeader + "P\tcat\tkočka\tcat.png\r\n"));
        }
        QCOMPARE(bytesOf(dir.filePath("VYSLEDEK/cat.png")), catPicture);
        QCOMPARE(m_windows->dialogs().unexpected, 0);
    }

    // Learning shows an expression's picture with it (its answer is shown at once); the
    // tests and the review show it with the answer unless their setting asks for it with
    // the question.
    void eachModeShowsThePictureOnItsSide_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("onQuestion");
        QTest::addColumn<bool>("withQuestion"); // shown while "cat" is asked
        QTest::addColumn<bool>("withAnswer");   // shown once it is answered (wrongly)
        QTest::addColumn<bool>("answersShown"); // the tests' "Zobrazovat špatné odpovědi"
        QTest::newRow("learning") << "learning" << false << true << true << true;
        QTest::newRow("Testing I") << "Testing I" << false << false << true << true;
        QTest::newRow("Testing I, wrong answers not shown")
            << "Testing I" << false << false << false << false;
        QTest::newRow("Testing I, with the question")
            << "Testing I" << true << true << false << true;
        QTest::newRow("Testing II") << "Testing II" << false << false << true << true;
        QTest::newRow("Testing II, wrong answers not shown")
            << "Testing II" << false << false << false << false;
        QTest::newRow("Testing II, with the question")
            << "Testing II" << true << true << false << true;
        QTest::newRow("review") << "review" << false << false << true << true;
        QTest::newRow("review, with the question") << "review" << true << true << true << true;
    }
    void eachModeShowsThePictureOnItsSide() {
        QFETCH(QString, mode);
        QFETCH(bool, onQuestion);
        QFETCH(bool, withQuestion);
        QFETCH(bool, withAnswer);
        QFETCH(bool, answersShown);
        QTemporaryDir dir;
        const QString dictionary = dir.filePath("zvirata.slv");
        writeDictionary(dictionary, {"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"});
        writeImage(dir.filePath("ZVIRATA/cat.png"), drawing(400, 300), "png");
        QFile side(dir.filePath("zvirata.vko"));
        QVERIFY(side.open(QIODevice::WriteOnly));
        side.write(kHeader + "P\tcat\tkočka\tcat.png\r\n");
        side.close();
        Forms &forms = m_windows->forms();
        m_windows->dialogs().files.push_back(dictionary);
        const ModePicture *picture = nullptr;
        const auto click = [](QAbstractButton *button) {
            QTest::mouseClick(button, Qt::LeftButton);
        };
        if (mode == "learning") {
            picture = &forms.Form6->picture();
            forms.Form6->show();
            click(forms.Form6->BitBtn2);
            QVERIFY(!picture->showing());
            click(forms.Form6->btstart);
            QCOMPARE(picture->showing(), withQuestion);
            QCOMPARE(picture->showing(), withAnswer);
        } else if (mode == "Testing I") {
            picture = &forms.Form4->picture();
            forms.Form10->rbpostupne->setChecked(true);
            forms.Form10->pictureWithQuestion->setChecked(onQuestion);
            (answersShown ? forms.Form10->rbzobrazit : forms.Form10->rbnezobrazit)
                ->setChecked(true);
            forms.Form4->show();
            click(forms.Form4->btnovy);
            QCOMPARE(forms.Form4->mevyraz->toPlainText(), "kočka");
            QCOMPARE(picture->showing(), withQuestion);
            forms.Form4->edtodpoved->setText("?");
            QTest::keyClick(forms.Form4->edtodpoved, Qt::Key_Return);
            QCOMPARE(forms.Form4->mevyraz->toPlainText(), "pes");
            QCOMPARE(picture->showing(), withAnswer);
        } else if (mode == "Testing II") {
            picture = &forms.Form12->picture();
            forms.Form13->rbpostupne->setChecked(true);
            forms.Form13->pictureWithQuestion->setChecked(onQuestion);
            (answersShown ? forms.Form13->rbzobrazit : forms.Form13->rbnezobrazit)
                ->setChecked(true);
            forms.Form12->show();
            click(forms.Form12->BitBtn2);
            QCOMPARE(forms.Form12->mecz->toPlainText(), "kočka");
            QCOMPARE(picture->showing(), withQuestion);
            click(forms.Form12->btne);
            QCOMPARE(forms.Form12->mecz->toPlainText(), "pes");
            QCOMPARE(picture->showing(), withAnswer);
            // The answer taken back: "cat" is asked again, its picture where a question has it.
            click(forms.Form12->undoButton);
            QCOMPARE(forms.Form12->mecz->toPlainText(), "kočka");
            QCOMPARE(picture->showing(), withQuestion);
        } else {
            ReviewWindow *review = forms.review;
            picture = &review->picture();
            review->pictureWithQuestionBox->setChecked(onQuestion);
            review->show();
            click(review->openButton);
            click(review->turnOnButton);
            QCOMPARE(review->questionText->toPlainText(), "cat");
            QCOMPARE(picture->showing(), withQuestion);
            QTest::keyClick(review, Qt::Key_Space);
            QCOMPARE(review->answerText->toPlainText(), "kočka");
            QCOMPARE(picture->showing(), withAnswer);
        }
        QCOMPARE(m_windows->dialogs().unexpected, 0);
    }

private:
    TForm2 *editor() { return m_windows->forms().Form2; }
    std::unique_ptr<TestWindows> m_windows;
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
