#include "support/contrast.h"
#include "ui/barchart.h"

#include <QFontInfo>
#include <QHash>
#include <QImage>
#include <QtTest>

#include <cmath>

namespace {

QRect onImage(const QRect &rect, qreal ratio) {
    return QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio)
        .toAlignedRect();
}

// Where the first bar ends at the top, in the image's pixels, as an eye finds it: from
// the left of the plot area along a row just above the axis to the first pixel that is
// not the wall, then up that column while it keeps the bar's colour.
int firstBarTop(const QImage &image, const QRect &plot, qreal ratio) {
    const int row = int(std::floor((plot.top() + plot.height()) * ratio)) - 2;
    int x = int(std::ceil(plot.left() * ratio)) + 1;
    while (x < image.width() && image.pixel(x, row) == qRgb(255, 255, 255))
        ++x;
    if (x == image.width())
        return -1;
    const QRgb bar = image.pixel(x, row);
    int y = row;
    while (y > 0 && image.pixel(x, y - 1) == bar)
        --y;
    return y;
}

} // namespace

class TestBarChart : public QObject {
    Q_OBJECT
private slots:
    // What a user sees of a chart, at the scales a desktop gives: a bar ending at its
    // value, value marks readable on the bar colour, every category label and axis number
    // whole and apart from the others, and the axis panned a step at a time.
    void chartShowsItsBarsAsTheyAre_data() {
        QTest::addColumn<int>("bars");
        QTest::addColumn<int>("firstValue");
        QTest::addColumn<int>("axisMax");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("categoryStep");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("marks");     // value marks drawn
        QTest::addColumn<int>("minLabels"); // category labels drawn
        QTest::addColumn<int>("maxLabels");
        QTest::addColumn<bool>("fewerNumbers"); // not every step of the axis numbered
        const QSize size(480, 320);
        QTest::newRow("5 tests, blue")
            << 5 << 63 << 102 << 10 << 1 << QColor(Qt::blue) << 1.0 << size << 5 << 5 << 5 << false;
        QTest::newRow("5 tests, black, 1.25") << 5 << 63 << 102 << 10 << 1 << QColor(Qt::black)
                                              << 1.25 << size << 5 << 5 << 5 << false;
        QTest::newRow("5 tests, white, 1.5") << 5 << 63 << 102 << 10 << 1 << QColor(Qt::white)
                                             << 1.5 << size << 5 << 5 << 5 << false;
        QTest::newRow("5 tests, yellow, 2, a short axis")
            << 5 << 63 << 102 << 10 << 1 << QColor(Qt::yellow) << 2.0 << QSize(480, 140) << 5 << 5
            << 5 << true;
        QTest::newRow("70 tests of a day, 2") << 70 << 63 << 102 << 10 << 1 << QColor(Qt::red)
                                              << 2.0 << size << 0 << 2 << 20 << false;
        QTest::newRow("10000 tests") << 10000 << 63 << 102 << 10 << 1 << QColor(Qt::blue) << 1.0
                                     << size << 0 << 2 << 20 << false;
        QTest::newRow("30 days, every fifth named, 1.25")
            << 30 << 7 << 10 << 2 << 5 << QColor(0x20, 0x9f, 0xdf) << 1.25 << QSize(540, 180) << 0
            << 6 << 6 << false;
    }

    void chartShowsItsBarsAsTheyAre() {
        QFETCH(int, bars);
        QFETCH(int, firstValue);
        QFETCH(int, axisMax);
        QFETCH(int, step);
        QFETCH(int, categoryStep);
        QFETCH(QColor, colour);
        QFETCH(qreal, ratio);
        QFETCH(QSize, size);
        QFETCH(int, marks);
        QFETCH(int, minLabels);
        QFETCH(int, maxLabels);
        QFETCH(bool, fewerNumbers);

        BarChart chart;
        chart.resize(size);
        chart.setTitle(QStringLiteral("Vokab slovník: slova\nÚspěšnost zkoušení v %"));
        chart.setCategoryStep(categoryStep);
        chart.setAxis(0, axisMax, step);
        const bool days = categoryStep > 1;
        QStringList labels;
        QList<double> values;
        for (int i = 0; i < bars; ++i) {
            labels.append(days       ? QString::number(i)
                          : bars > 5 ? QStringLiteral("8.12.2026")
                                     : QStringLiteral("%1.12.2026").arg(i * 7 + 1));
            // The first bar, and with many bars all of them, at the value looked at.
            values.append(i == 0 || bars > 5 ? firstValue : (i * 37) % (axisMax + 1));
        }
        chart.series()->setBars(labels, values);
        chart.series()->setColour(colour);
        chart.series()->setLabelsVisible(marks > 0);
        QImage image = chart.image(ratio).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), size * ratio);

        // The first bar's top, within a pixel.
        const QRect plot = chart.plotArea();
        QVERIFY(plot.height() > 40);
        const auto expectedTop = [&] {
            return (plot.top() + (chart.axisMax() - firstValue) /
                                     (chart.axisMax() - chart.axisMin()) * plot.height()) *
                   ratio;
        };
        QVERIFY2(std::abs(firstBarTop(image, plot, ratio) - expectedTop()) <= 1,
                 qPrintable(QStringLiteral("the bar ends at %1, not %2")
                                .arg(firstBarTop(image, plot, ratio))
                                .arg(expectedTop())));

        // Value marks: text that reads against its box, a box that is not the bar.
        const QList<QRect> markRects = chart.valueMarkRects();
        QCOMPARE(markRects.size(), marks);
        for (const QRect &mark : markRects) {
            const QRect box = onImage(mark, ratio) & image.rect();
            QHash<QRgb, int> counts;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ++counts[image.pixel(x, y)];
            QRgb background = counts.cbegin().key();
            QColor text = QColor(background);
            for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
                if (it.value() > counts.value(background))
                    background = it.key();
            }
            for (auto it = counts.cbegin(); it != counts.cend(); ++it)
                if (contrast(QColor(it.key()), QColor(background)) > contrast(text, background))
                    text = QColor(it.key());
            QVERIFY2(contrast(text, background) >= 4.5, "a value mark does not read");
            QVERIFY2(counts.size() > 1 && counts.value(colour.rgb()) < box.width() * box.height(),
                     "a value mark is the bar's colour");
        }

        // Category labels: whole, inside the chart, apart, each with something drawn.
#ifdef Q_OS_WIN
        if (QFontInfo(chart.font()).family().isEmpty())
            QSKIP("Qt's offscreen platform on Windows (the tests under Wine) has no fonts, so "
                  "the labels' widths say nothing of a desktop's");
#endif
        const QList<QRect> labelRects = chart.categoryLabelRects();
        QVERIFY2(labelRects.size() >= minLabels && labelRects.size() <= maxLabels,
                 qPrintable(QString::number(labelRects.size()) + QStringLiteral(" labels")));
        for (qsizetype i = 0; i < labelRects.size(); ++i) {
            QVERIFY(chart.rect().contains(labelRects[i]));
            QVERIFY(labelRects[i].top() > plot.bottom());
            if (i > 0)
                QVERIFY2(!labelRects[i].intersects(labelRects[i - 1]), "labels overlap");
            const QRect drawn = onImage(labelRects[i], ratio);
            bool inked = false;
            for (int y = drawn.top(); y <= drawn.bottom() && !inked; ++y)
                for (int x = drawn.left(); x <= drawn.right() && !inked; ++x)
                    inked = qGray(image.pixel(x, y)) < 128;
            QVERIFY2(inked, "a label is not drawn");
        }
        // Axis numbers: each on a step of the axis, all of them where there is room.
        QCOMPARE(chart.numberStep() % step, 0);
        QCOMPARE(chart.numberStep() > step, fewerNumbers);

        // Panning: the range moves by whole steps and keeps its width, and the bar with it.
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.setFocus();
        QTest::keyClick(&chart, Qt::Key_Up);
        QCOMPARE(chart.axisMin(), double(step));
        QCOMPARE(chart.axisMax(), double(axisMax + step));
        const QPoint centre = plot.center();
        QWheelEvent wheel(centre, chart.mapToGlobal(centre), {}, QPoint(0, -240), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &wheel);
        QCOMPARE(chart.axisMin(), double(-step));
        QTest::keyClick(&chart, Qt::Key_PageUp);
        QVERIFY(chart.axisMin() > 0);
        QTest::keyClick(&chart, Qt::Key_PageDown);
        QCOMPARE(chart.axisMin(), double(-step));
        // Dragged down by one and a half steps: one step higher.
        const double stepHeight = step * plot.height() / double(axisMax);
        QTest::mousePress(&chart, Qt::LeftButton, {}, centre);
        QTest::mouseMove(&chart, centre + QPoint(0, int(stepHeight * 1.5)));
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, centre + QPoint(0, int(stepHeight * 1.5)));
        QCOMPARE(chart.axisMin(), 0.0);
        QTest::keyClick(&chart, Qt::Key_Up);
        QCOMPARE(chart.axisMin(), double(step));
        QCOMPARE(chart.axisMax() - chart.axisMin(), double(axisMax));
        image = chart.image(ratio).convertToFormat(QImage::Format_RGB32);
        QVERIFY(std::abs(firstBarTop(image, chart.plotArea(), ratio) - expectedTop()) <= 1);
    }
};

QTEST_MAIN(TestBarChart)
#include "tst_barchart.moc"
