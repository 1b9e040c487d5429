#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <memory>

class QImage;
class QPainter;

// The bars of a chart: one value and one category label per bar, left to right, in one
// colour, with or without their value marks.
class BarSeries final : public QObject {
    Q_OBJECT
public:
    explicit BarSeries(QObject *parent);

    // All bars at once; a label list shorter than the values leaves the rest unlabelled.
    void setBars(const QStringList &labels, const QList<double> &values);
    const QStringList &labels() const { return m_labels; }
    const QList<double> &values() const { return m_values; }
    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }
    // The value marks above the bars.
    void setLabelsVisible(bool visible);
    bool isLabelsVisible() const { return m_labelsVisible; }

signals:
    void changed();

private:
    QStringList m_labels;
    QList<double> m_values;
    QColor m_colour = Qt::blue;
    bool m_labelsVisible = false;
};

// A bar chart on a white wall: a title of one or more lines, one series of flat bars side
// by side, their category labels below them, a vertical axis with a fixed range and step
// numbered at its left, and no legend. Category labels and axis numbers are thinned so
// that each one drawn shows whole: every n-th label where they would run into each other,
// every n-th step where the axis is too short for all numbers. Value marks (dark text on
// a light box) are left out once the bars are narrower than a mark.
//
// The user pans the axis vertically by whole steps: dragging with the left mouse button
// (the bars follow the mouse), the wheel and Up/Down by one step, PageUp/PageDown by a
// page. The range's width never changes; the next setAxis sets the range anew.
class BarChart final : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);
    ~BarChart() override;

    BarSeries *series() const { return m_series; }
    // Lines joined by "\n".
    void setTitle(const QString &title);
    QString title() const { return m_title; }
    // Named below the category labels (nothing for an empty text).
    void setCategoryTitle(const QString &title);
    // Category labels at multiples of this many bars at least (1: every bar's label).
    void setCategoryStep(int step);
    void setAxis(double min, double max, int step);
    double axisMin() const { return m_min; }
    double axisMax() const { return m_max; }
    int axisStep() const { return m_step; }
    // Moves the axis range by whole steps (positive: higher values show).
    void pan(int steps);

    // What the chart draws at its present size, and where (the widget's coordinates).
    QRect plotArea() const;
    QList<QRect> categoryLabelRects() const;
    QList<QRect> valueMarkRects() const;
    // The step between the axis numbers drawn: a multiple of the axis step.
    int numberStep() const;
    // The chart as it is drawn on the screen, at the screen's device pixel ratio (or at
    // `ratio` device pixels to a pixel of the widget), without the focus frame.
    QImage image(qreal ratio = 0) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Layout;
    // Where everything goes at the present size and font; kept until either changes.
    const Layout &layout() const;
    void invalidate();
    void paint(QPainter &painter, qreal ratio) const;

    BarSeries *m_series;
    QString m_title;
    QString m_categoryTitle;
    int m_categoryStep = 1;
    double m_min = 0;
    double m_max = 100;
    int m_step = 10;
    double m_dragFrom = 0;
    bool m_dragging = false;
    mutable std::unique_ptr<Layout> m_layout;
};
