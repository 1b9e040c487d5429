#include "statistics/verticalpanning.h"

#include <QChartView>
#include <QMouseEvent>
#include <QValueAxis>
#include <QWheelEvent>

VerticalPanning::VerticalPanning(QChartView *view, QValueAxis *axis)
    : QObject(view), m_view(view), m_axis(axis) {
    view->viewport()->installEventFilter(this);
}

void VerticalPanning::shift(double by) {
    m_axis->setRange(m_axis->min() + by, m_axis->max() + by);
}

bool VerticalPanning::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_view->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = true;
        m_lastY = mouse->position().y();
        m_view->viewport()->setCursor(Qt::ClosedHandCursor);
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_dragging)
            return false;
        const double height = m_view->chart()->plotArea().height();
        if (height > 0) {
            // The content follows the mouse: dragging down shows higher values.
            const double perPixel = (m_axis->max() - m_axis->min()) / height;
            shift((mouse->position().y() - m_lastY) * perPixel);
        }
        m_lastY = mouse->position().y();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragging || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        m_dragging = false;
        m_view->viewport()->unsetCursor();
        return true;
    case QEvent::Wheel: {
        const int notches = static_cast<QWheelEvent *>(event)->angleDelta().y() / 120;
        if (notches == 0)
            return false;
        const double step = m_axis->tickInterval() > 0 ? m_axis->tickInterval()
                                                       : (m_axis->max() - m_axis->min()) / 10;
        shift(notches * step);
        return true;
    }
    default:
        return false;
    }
}
