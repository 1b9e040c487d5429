#pragma once

#include <QObject>

class QChartView;
class QValueAxis;

// Lets the user pan a chart vertically: dragging with the left mouse button moves the
// value axis's range with the mouse, the wheel moves it by one step of the axis. The
// range's width never changes; the next drawing sets the range anew.
class VerticalPanning final : public QObject {
    Q_OBJECT
public:
    VerticalPanning(QChartView *view, QValueAxis *axis);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void shift(double by);

    QChartView *m_view;
    QValueAxis *m_axis;
    double m_lastY = 0;
    bool m_dragging = false;
};
