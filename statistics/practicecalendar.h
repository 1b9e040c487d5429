#pragma once

#include "statistics/practicelog.h"

#include <QDate>
#include <QWidget>

// The heat map of the last twelve months: one cell a day, a column a week (Monday at the
// top), shaded by how much was practised that day; the months named above, the days
// beside. A cell's tooltip tells the day and its counts.
class PracticeCalendar : public QWidget {
    Q_OBJECT
public:
    explicit PracticeCalendar(QWidget *parent = nullptr);

    void setDays(const practice::Days &days, QDate today);
    // The day of the cell at a point of the widget (invalid between and beside the cells).
    QDate dateAt(QPoint point) const;
    // The tooltip of a day.
    QString toolTipOf(QDate day) const;
    // The shade of a day: 0 (nothing) to 4 (the busiest days of the year).
    int levelOf(QDate day) const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    int cell() const;
    int left() const;
    int top() const;
    QRect cellRect(QDate day) const;

    practice::Days m_days;
    QDate m_today;
    QDate m_first; // the Monday of the first column
    int m_busiest = 0;
};
