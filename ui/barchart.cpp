#include "ui/barchart.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int kMargin = 8;
// Between a label and its neighbour, a mark and its bar.
constexpr int kGap = 4;
// Between an axis number and its tick.
constexpr int kNumberGap = 6;
constexpr int kTick = 4;
// Of a bar's room, the bar takes half; the rest keeps bars and their marks apart.
constexpr double kBarShare = 0.5;
// The room around a value mark's text inside its box.
constexpr int kMarkPadding = 3;
const QColor kWall = Qt::white;
const QColor kText = Qt::black;
const QColor kGrid(0xe0, 0xe0, 0xe0);
const QColor kAxisLine(0x80, 0x80, 0x80);

// From the axis down to the category labels: below the lowest axis number (centred on the
// axis), so that the two never stand in one line.
int labelOffset(const QFontMetrics &text) {
    return text.height() / 2 + kGap;
}

QString numberText(double value) {
    return QString::number(value, 'f', value == std::floor(value) ? 0 : 1);
}

} // namespace

BarSeries::BarSeries(QObject *parent) : QObject(parent) {}

void BarSeries::setBars(const QStringList &labels, const QList<double> &values) {
    m_labels = labels;
    m_values = values;
    emit changed();
}

void BarSeries::setColour(const QColor &colour) {
    m_colour = colour;
    emit changed();
}

void BarSeries::setLabelsVisible(bool visible) {
    m_labelsVisible = visible;
    emit changed();
}

struct BarChart::Layout {
    QRect plot;
    int numberStep = 1;
    int numberWidth = 0;
    QList<int> labelBars;
    QList<QRect> labelRects;
    QList<int> markBars;
    QList<QRect> markRects;
};

BarChart::BarChart(QWidget *parent) : QWidget(parent), m_series(new BarSeries(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_series, &BarSeries::changed, this, &BarChart::invalidate);
}

BarChart::~BarChart() = default;

void BarChart::setTitle(const QString &title) {
    m_title = title;
    invalidate();
}

void BarChart::setCategoryTitle(const QString &title) {
    m_categoryTitle = title;
    invalidate();
}

void BarChart::setCategoryStep(int step) {
    m_categoryStep = std::max(1, step);
    invalidate();
}

void BarChart::setAxis(double min, double max, int step) {
    m_min = min;
    m_max = std::max(max, min + 1);
    m_step = std::max(1, step);
    invalidate();
}

void BarChart::pan(int steps) {
    m_min += steps * m_step;
    m_max += steps * m_step;
    invalidate();
}

void BarChart::invalidate() {
    m_layout.reset();
    update();
}

QSize BarChart::sizeHint() const {
    // The room the review window has always given its forecast, so that it keeps its size.
    return QSize(256, 191);
}

QRect BarChart::plotArea() const {
    return layout().plot;
}

QList<QRect> BarChart::categoryLabelRects() const {
    return layout().labelRects;
}

QList<QRect> BarChart::valueMarkRects() const {
    return layout().markRects;
}

int BarChart::numberStep() const {
    return layout().numberStep;
}

const BarChart::Layout &BarChart::layout() const {
    if (m_layout)
        return *m_layout;
    m_layout = std::make_unique<Layout>();
    Layout &l = *m_layout;
    const QFontMetrics text(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics titleText(bold);
    const int titleLines = m_title.isEmpty() ? 0 : int(m_title.count(u'\n')) + 1;

    // From the top: the title, half an axis number (the top one is centred on the top of
    // the axis); from the bottom: the category title and the labels.
    const int top = kMargin + titleLines * titleText.lineSpacing() + (titleLines ? kGap : 0) +
                    text.height() / 2;
    const int bottom = height() - kMargin - text.height() - labelOffset(text) -
                       (m_categoryTitle.isEmpty() ? 0 : text.lineSpacing());
    const int plotHeight = std::max(0, bottom - top);
    // Every n-th step numbered where the axis is too short for every number.
    const double range = m_max - m_min;
    l.numberStep = m_step;
    while ((std::floor(range / l.numberStep) + 1) * (text.height() + 1) > plotHeight &&
           l.numberStep < range)
        l.numberStep += m_step;
    l.numberWidth = std::max(text.horizontalAdvance(numberText(std::ceil(m_min))),
                             text.horizontalAdvance(numberText(std::floor(m_max))));
    const int left = kMargin + l.numberWidth + kTick + kNumberGap;
    l.plot = QRect(left, top, std::max(0, width() - kMargin - left), plotHeight);
    if (l.plot.isEmpty())
        return l;

    const QList<double> &values = m_series->values();
    const QStringList &labels = m_series->labels();
    const qsizetype bars = values.size();
    if (bars == 0)
        return l;
    const double slot = double(l.plot.width()) / double(bars);

    // Category labels: one width per distinct text (a day's tests share their date).
    QHash<QString, int> widths;
    int widest = 0;
    for (qsizetype i = 0; i < std::min(bars, labels.size()); ++i) {
        auto found = widths.constFind(labels[i]);
        if (found == widths.cend())
            found = widths.insert(labels[i], text.horizontalAdvance(labels[i]));
        widest = std::max(widest, *found);
    }
    if (widest > 0) {
        const int every =
            m_categoryStep * std::max(1, int(std::ceil((widest + kGap) / (slot * m_categoryStep))));
        const int labelTop = l.plot.bottom() + 1 + labelOffset(text);
        QRect last;
        for (qsizetype i = 0; i < std::min(bars, labels.size()); i += every) {
            const int w = widths.value(labels[i]);
            if (w == 0)
                continue;
            const int centre = int(std::lround(l.plot.left() + (double(i) + 0.5) * slot));
            QRect rect(centre - w / 2, labelTop, w, text.height());
            // Whole inside the chart: moved in from its edges (below the axis numbers there
            // is room on the left), left out where it would then run into the one before it.
            rect.moveLeft(std::max(rect.left(), kMargin));
            rect.moveRight(std::min(rect.right(), width() - kMargin));
            if (!last.isNull() && rect.left() < last.right() + kGap)
                continue;
            l.labelBars.append(int(i));
            l.labelRects.append(rect);
            last = rect;
        }
    }

    // Value marks above the bars (inside a bar too tall for one above it), while a mark is
    // no wider than its bar.
    if (!m_series->isLabelsVisible())
        return l;
    const double barWidth = slot * kBarShare;
    const int markHeight = text.height() + 2;
    if (barWidth < text.horizontalAdvance(u'0') + 2 * kMarkPadding)
        return l;
    for (qsizetype i = 0; i < bars; ++i) {
        const double value = values[i];
        if (value < m_min || value > m_max)
            continue;
        const int w = text.horizontalAdvance(numberText(value)) + 2 * kMarkPadding;
        if (w > barWidth) {
            l.markBars.clear();
            l.markRects.clear();
            return l;
        }
        const int barTop =
            int(std::lround(l.plot.top() + (m_max - value) / range * l.plot.height()));
        const int centre = int(std::lround(l.plot.left() + (double(i) + 0.5) * slot));
        QRect rect(centre - w / 2, barTop - kGap - markHeight, w, markHeight);
        if (rect.top() < l.plot.top())
            rect.moveTop(barTop + kGap);
        if (!l.plot.contains(rect))
            continue;
        l.markBars.append(int(i));
        l.markRects.append(rect);
    }
    return l;
}

void BarChart::paint(QPainter &painter, qreal ratio) const {
    const Layout &l = layout();
    const QRect plot = l.plot;
    // Edges on whole device pixels keep the bars sharp at any scale.
    const auto snap = [ratio](double v) { return std::round(v * ratio) / ratio; };
    painter.fillRect(rect(), kWall);
    const QFontMetrics text(font());
    painter.setFont(font());
    painter.setPen(kText);

    if (!m_title.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        const QFontMetrics titleText(bold);
        painter.setFont(bold);
        int y = kMargin;
        for (const QString &line : m_title.split(u'\n')) {
            const QString shown = titleText.elidedText(line, Qt::ElideRight, width() - 2 * kMargin);
            painter.drawText(QRect(kMargin, y, width() - 2 * kMargin, titleText.height()),
                             Qt::AlignHCenter | Qt::AlignTop, shown);
            y += titleText.lineSpacing();
        }
        painter.setFont(font());
    }
    if (plot.isEmpty())
        return;

    // The axis: grid lines and numbers at every numbered step.
    const double range = m_max - m_min;
    const auto yOf = [&](double value) {
        return plot.top() + (m_max - value) / range * plot.height();
    };
    painter.setPen(QPen(kGrid, 0));
    const double firstNumber = std::ceil(m_min / l.numberStep) * l.numberStep;
    for (double v = firstNumber; v <= m_max + 1e-9; v += l.numberStep) {
        const double y = snap(yOf(v));
        painter.setPen(QPen(kGrid, 0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right() + 1, y));
        painter.setPen(QPen(kAxisLine, 0));
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        painter.setPen(kText);
        const QRect number(kMargin, int(std::lround(y)) - text.height() / 2, l.numberWidth,
                           text.height());
        painter.drawText(number, Qt::AlignRight | Qt::AlignVCenter, numberText(v));
    }

    // The bars, clipped to the plot area (a panned axis leaves some outside it).
    painter.save();
    painter.setClipRect(plot);
    const QList<double> &values = m_series->values();
    const qsizetype bars = values.size();
    const QColor colour = m_series->colour();
    const double slot = bars ? double(plot.width()) / double(bars) : 0;
    const double baseline = std::clamp(yOf(0), double(plot.top()), double(plot.bottom() + 1));
    if (bars > 0 && slot * ratio < 2) {
        // Bars narrower than a device pixel and their gaps: each column of device pixels
        // shows the highest of its bars.
        const int columns = int(std::ceil(plot.width() * ratio));
        std::vector<double> highest(size_t(columns), std::numeric_limits<double>::quiet_NaN());
        for (qsizetype i = 0; i < bars; ++i) {
            const int column = std::min(columns - 1, int((double(i) + 0.5) * slot * ratio));
            double &h = highest[size_t(column)];
            if (std::isnan(h) || values[i] > h)
                h = values[i];
        }
        for (int c = 0; c < columns; ++c) {
            if (std::isnan(highest[size_t(c)]))
                continue;
            const double y = snap(yOf(highest[size_t(c)]));
            const double x = snap(plot.left()) + c / ratio;
            painter.fillRect(QRectF(x, std::min(y, baseline), 1 / ratio, std::abs(baseline - y)),
                             colour);
        }
    } else {
        const double barWidth = slot * kBarShare;
        const QColor border = colour.darker(130);
        const bool framed = barWidth >= 4;
        for (qsizetype i = 0; i < bars; ++i) {
            const double x0 = snap(plot.left() + i * slot + (slot - barWidth) / 2);
            const double x1 =
                std::max(x0 + 1 / ratio, snap(plot.left() + i * slot + (slot + barWidth) / 2));
            const double y = snap(yOf(values[i]));
            const QRectF bar(QPointF(x0, std::min(y, baseline)),
                             QPointF(x1, std::max(y, baseline)));
            if (framed) {
                painter.fillRect(bar, border);
                painter.fillRect(bar.adjusted(1 / ratio, 1 / ratio, -1 / ratio, 0), colour);
            } else {
                painter.fillRect(bar, colour);
            }
        }
    }
    painter.restore();
    painter.setPen(QPen(kAxisLine, 0));
    painter.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom() + 1));
    painter.drawLine(QPointF(plot.left(), plot.bottom() + 1),
                     QPointF(plot.right() + 1, plot.bottom() + 1));

    // Value marks: dark text on a light box of its own (without a frame, which OCR and eyes
    // alike read as a part of the digits).
    painter.setPen(kText);
    for (qsizetype m = 0; m < l.markRects.size(); ++m) {
        const QRect &box = l.markRects[m];
        painter.fillRect(box, kWall);
        painter.drawText(box, Qt::AlignCenter, numberText(values[l.markBars[m]]));
    }
    // Category labels and their title.
    painter.setPen(kText);
    const QStringList &labels = m_series->labels();
    for (qsizetype k = 0; k < l.labelRects.size(); ++k)
        painter.drawText(l.labelRects[k], Qt::AlignCenter, labels[l.labelBars[k]]);
    if (!m_categoryTitle.isEmpty())
        painter.drawText(QRect(plot.left(), height() - kMargin - text.lineSpacing(), plot.width(),
                               text.lineSpacing()),
                         Qt::AlignHCenter | Qt::AlignBottom, m_categoryTitle);
}

QImage BarChart::image(qreal ratio) const {
    if (ratio <= 0)
        ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    paint(painter, ratio);
    return image;
}

void BarChart::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    paint(painter, devicePixelRatioF());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void BarChart::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    m_dragFrom = event->position().y();
    setCursor(Qt::ClosedHandCursor);
}

void BarChart::mouseMoveEvent(QMouseEvent *event) {
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const QRect plot = plotArea();
    if (plot.height() <= 0)
        return;
    // The bars follow the mouse, a step at a time: dragging down shows higher values.
    const double stepHeight = m_step * plot.height() / (m_max - m_min);
    const int steps = int((event->position().y() - m_dragFrom) / stepHeight);
    if (steps != 0) {
        pan(steps);
        m_dragFrom += steps * stepHeight;
    }
}

void BarChart::mouseReleaseEvent(QMouseEvent *event) {
    if (!m_dragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    unsetCursor();
}

void BarChart::wheelEvent(QWheelEvent *event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0)
        return QWidget::wheelEvent(event);
    pan(notches);
}

void BarChart::keyPressEvent(QKeyEvent *event) {
    const int page = std::max(1, int((m_max - m_min) / m_step) - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        return pan(1);
    case Qt::Key_Down:
        return pan(-1);
    case Qt::Key_PageUp:
        return pan(page);
    case Qt::Key_PageDown:
        return pan(-page);
    default:
        return QWidget::keyPressEvent(event);
    }
}

void BarChart::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        invalidate();
    QWidget::changeEvent(event);
}

void BarChart::resizeEvent(QResizeEvent *event) {
    m_layout.reset();
    QWidget::resizeEvent(event);
}
