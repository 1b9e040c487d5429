// The editor with a dictionary of 10,000 expressions, each with its own picture (a JPEG of
// 1024 × 768, the largest a picture is kept at): opening it until its list shows, the
// thumbnails of the rows in view, those of the first page scrolled to, and the memory once
// every row's thumbnail was made, page by page from the first.
#include "measure.h"

#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTableView>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kExpressions = 10000;
// Different pictures; every expression's file is a hard link to one of them (a file of
// its own to the program, without 10,000 files' worth of disk).
constexpr int kDistinct = 40;

QString dictionaryPath() {
    return bench::inputs(QStringLiteral("obrazky/obrazky.slv"));
}

// The dictionary, its picture file and the pictures, made once.
bool makeInputs() {
    const QString folder = bench::inputs(QStringLiteral("obrazky"));
    if (QFile::exists(dictionaryPath()))
        return true;
    QDir().mkpath(folder + QStringLiteral("/OBRAZKY"));
    QStringList lines;
    QByteArray side = "VOKAB-PICTURES 1\r\n";
    for (int i = 0; i < kDistinct; ++i) {
        QImage image(1024, 768, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, 1024, 768);
        gradient.setColorAt(0, QColor::fromHsv(i * 9 % 360, 200, 220));
        gradient.setColorAt(1, QColor::fromHsv((i * 9 + 120) % 360, 160, 90));
        painter.fillRect(image.rect(), gradient);
        for (int k = 0; k < 300; ++k)
            painter.fillRect((k * 37 + i * 11) % 1000, (k * 53) % 740, 24, 24,
                             QColor::fromHsv((k * 13) % 360, 180, 200));
        painter.end();
        if (!image.save(folder + QStringLiteral("/OBRAZKY/source-%1.jpg").arg(i), "jpg", 85))
            return false;
    }
    for (int i = 0; i < kExpressions; ++i) {
        lines << QStringLiteral("česky %1;foreign %1;[];NENÍ").arg(i);
        side += QStringLiteral("P\tforeign %1\tčesky %1\tpicture-%1.jpg\r\n").arg(i).toUtf8();
        const QByteArray from =
            QFile::encodeName(folder + QStringLiteral("/OBRAZKY/source-%1.jpg").arg(i % kDistinct));
        const QByteArray to =
            QFile::encodeName(folder + QStringLiteral("/OBRAZKY/picture-%1.jpg").arg(i));
        if (::link(from.constData(), to.constData()) != 0)
            return false;
    }
    QFile dictionary(dictionaryPath());
    QFile pictures(folder + QStringLiteral("/obrazky.vko"));
    return dictionary.open(QIODevice::WriteOnly) && dictionary.write(cp1250Lines(lines)) > 0 &&
           pictures.open(QIODevice::WriteOnly) && pictures.write(side) == side.size();
}

struct PictureEditor {
    TestWindows windows;
    TForm2 *editor = windows.forms().Form2;

    PictureEditor() {
        editor->resize(700, 600);
        editor->show();
        QCoreApplication::processEvents();
    }
    void open() {
        windows.dialogs().files = {dictionaryPath()};
        editor->BitBtn2Click();
        QCoreApplication::processEvents();
        editor->stg->viewport()->repaint();
    }
    // The rows in view, from the first.
    std::pair<int, int> rowsInView() const {
        const int first = editor->stg->rowAt(0);
        const int last = editor->stg->rowAt(editor->stg->viewport()->height() - 1);
        return {first, last < 0 ? editor->recordCount() - 1 : last};
    }
    // Whether every row in view shows its thumbnail.
    bool thumbnailsInView() const {
        const auto [first, last] = rowsInView();
        const DictionaryModel *model = editor->document().model();
        for (int row = first; row <= last; ++row)
            if (model->index(row, DictionaryModel::kPictureColumn)
                    .data(Qt::DecorationRole)
                    .isNull())
                return false;
        return true;
    }
    // Lets the thumbnails be made until every row in view has one (false after 10 s).
    bool waitForThumbnails() {
        QElapsedTimer timer;
        timer.start();
        while (!thumbnailsInView()) {
            if (timer.elapsed() > 10000)
                return false;
            QCoreApplication::processEvents();
        }
        editor->stg->viewport()->repaint();
        return true;
    }
};

} // namespace

void benchPictures() {
    if (!makeInputs()) {
        std::printf("the pictures' inputs could not be written\n");
        return bench::missed(QStringLiteral("pictures inputs"));
    }
    constexpr int kRuns = 10;
    std::vector<double> opens, thumbnails, pages;
    for (int run = 0; run < kRuns; ++run) {
        PictureEditor e;
        opens.push_back(bench::milliseconds([&] { e.open(); }));
        if (e.editor->recordCount() != kExpressions || !e.windows.dialogs().shown.isEmpty() ||
            e.editor->document().pictureCount() != kExpressions) {
            std::printf("the editor did not open the dictionary with its pictures\n");
            return bench::missed(QStringLiteral("pictures open"));
        }
        bool made = false;
        thumbnails.push_back(bench::milliseconds([&] { made = e.waitForThumbnails(); }));
        // The editor shows a dictionary's newest rows: the first page's thumbnails are new.
        QScrollBar *bar = e.editor->stg->verticalScrollBar();
        const int firstBefore = e.rowsInView().first;
        bool paged = false;
        pages.push_back(bench::milliseconds([&] {
            bar->setValue(0);
            QCoreApplication::processEvents();
            paged = e.waitForThumbnails();
        }));
        if (!made || !paged || firstBefore < kExpressions / 2 || e.rowsInView().first != 0) {
            std::printf("the thumbnails were not made, or the list did not scroll (%d to %d)\n",
                        firstBefore, e.rowsInView().first);
            return bench::missed(QStringLiteral("pictures thumbnails"));
        }
    }
    const double slowest = *std::max_element(opens.begin(), opens.end());
    bench::report(QStringLiteral("pictures: open 10000 expressions with 10000 pictures until the "
                                 "list shows"),
                  opens, QStringLiteral("< 150 ms: the slowest < 50 ms"));
    if (slowest >= 50)
        bench::missed(QStringLiteral("pictures open"));
    bench::report(QStringLiteral("pictures: then the thumbnails of the rows in view"), thumbnails);
    bench::report(QStringLiteral("pictures: the first page with its thumbnails"), pages);

    // The memory, in a process of its own: the dictionary open and every row's thumbnail
    // made, page by page.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--pictures-memory", dictionaryPath()});
    child.waitForFinished(300000);
    const long kb = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toLong();
    bench::reportValue(QStringLiteral("pictures: peak memory, every thumbnail made"),
                       QStringLiteral("%1 MB").arg(double(kb) / 1024, 0, 'f', 1),
                       QStringLiteral("< 150 MB"));
    if (kb <= 0 || kb >= 150 * 1024)
        bench::missed(QStringLiteral("pictures memory"));
}

int picturesMemoryChild(const QString &dictionary) {
    bench::setInputs(QFileInfo(dictionary).absolutePath() + QStringLiteral("/.."));
    PictureEditor e;
    e.open();
    if (e.editor->recordCount() != kExpressions || !e.waitForThumbnails())
        return 1;
    QScrollBar *bar = e.editor->stg->verticalScrollBar();
    if (bar->maximum() < kExpressions / 2)
        return 1;
    bar->setValue(0);
    QCoreApplication::processEvents();
    while (bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
        QCoreApplication::processEvents();
        if (!e.waitForThumbnails())
            return 1;
    }
    std::printf("%ld\n", bench::peakResidentKb());
    return 0;
}
