#include "statistics/practicecalendar.h"

#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kWeeks = 53;
constexpr int kGap = 2;

QLocale czech() {
    return QLocale(QLocale::Czech, QLocale::CzechRepublic);
}

} // namespace

PracticeCalendar::PracticeCalendar(QWidget *parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Kalendář cvičení"));
    setMouseTracking(true);
    setDays({}, QDate::currentDate());
}

void PracticeCalendar::setDays(const practice::Days &days, QDate today) {
    m_days = days;
    m_today = today;
    m_first = today.addDays(1 - today.dayOfWeek()).addDays(-7 * (kWeeks - 1));
    m_busiest = 0;
    for (auto it = m_days.lowerBound(m_first); it != m_days.cend() && it.key() <= today; ++it)
        m_busiest = std::max(m_busiest, it->total());
    setAccessibleDescription(QStringLiteral("Cvičení za posledních 12 měsíců"));
    update();
}

int PracticeCalendar::cell() const {
    return std::max(10, fontMetrics().height() - 3);
}

int PracticeCalendar::left() const {
    int widest = 0;
    for (int day = 1; day <= 7; day += 2)
        widest = std::max(
            widest, fontMetrics().horizontalAdvance(czech().dayName(day, QLocale::ShortFormat)));
    return widest + 6;
}

int PracticeCalendar::top() const {
    return fontMetrics().height() + 4;
}

QSize PracticeCalendar::minimumSizeHint() const {
    return {left() + kWeeks * (cell() + kGap), top() + 7 * (cell() + kGap)};
}

QRect PracticeCalendar::cellRect(QDate day) const {
    const qint64 offset = m_first.daysTo(day);
    const int column = int(offset / 7);
    const int row = day.dayOfWeek() - 1;
    return {left() + column * (cell() + kGap), top() + row * (cell() + kGap), cell(), cell()};
}

QDate PracticeCalendar::dateAt(QPoint point) const {
    const int step = cell() + kGap;
    const int x = point.x() - left(), y = point.y() - top();
    if (x < 0 || y < 0 || x % step >= cell() || y % step >= cell())
        return {};
    const int column = x / step, row = y / step;
    if (column >= kWeeks || row >= 7)
        return {};
    const QDate day = m_first.addDays(column * 7 + row);
    return day <= m_today ? day : QDate();
}

int PracticeCalendar::levelOf(QDate day) const {
    const int total = m_days.value(day).total();
    if (total <= 0 || m_busiest <= 0)
        return 0;
    return std::clamp((total * 4 + m_busiest - 1) / m_busiest, 1, 4);
}

QString PracticeCalendar::toolTipOf(QDate day) const {
    const practice::Day counts = m_days.value(day);
    QString text = czech().toString(day, QStringLiteral("dddd d. MMMM yyyy"));
    if (counts.total() == 0)
        return text + QStringLiteral("\nbez cvičení");
    if (counts.tests > 0)
        text += QStringLiteral("\nzkoušení: %1 odpovědí").arg(counts.tests);
    if (counts.learning > 0)
        text += QStringLiteral("\nvýuka: %1 výrazů").arg(counts.learning);
    if (counts.reviews > 0)
        text += QStringLiteral("\nopakování: %1 odpovědí").arg(counts.reviews);
    return text;
}

bool PracticeCalendar::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QDate day = dateAt(help->pos());
        if (day.isValid())
            QToolTip::showText(help->globalPos(), toolTipOf(day), this, cellRect(day));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void PracticeCalendar::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QPalette colours = palette();
    // From the desktop's base to a green that reads on a light and a dark one.
    const QColor none = colours.color(QPalette::Button).darker(112);
    const QColor full(0x2e, 0x8b, 0x3a);
    const auto shade = [&](int level) {
        if (level == 0)
            return none;
        const double t = 0.25 + 0.75 * (level - 1) / 3.0;
        const QColor base = colours.color(QPalette::Base);
        return QColor::fromRgbF(float(base.redF() + (full.redF() - base.redF()) * t),
                                float(base.greenF() + (full.greenF() - base.greenF()) * t),
                                float(base.blueF() + (full.blueF() - base.blueF()) * t));
    };
    painter.setPen(colours.color(QPalette::WindowText));
    for (int day = 1; day <= 7; day += 2) {
        const QRect row = cellRect(m_first.addDays(day - 1));
        painter.drawText(QRect(0, row.top(), left() - 4, row.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         czech().dayName(day, QLocale::ShortFormat));
    }
    int lastMonth = 0;
    for (QDate week = m_first; week <= m_today; week = week.addDays(7)) {
        // A month is named above the first week that begins in it.
        const QDate sunday = week.addDays(6);
        if (sunday.month() != lastMonth && sunday.day() <= 7) {
            lastMonth = sunday.month();
            painter.drawText(QPoint(cellRect(week).left(), top() - 4),
                             czech().monthName(sunday.month(), QLocale::ShortFormat));
        }
    }
    painter.setPen(Qt::NoPen);
    for (QDate day = m_first; day <= m_today; day = day.addDays(1)) {
        painter.setBrush(shade(levelOf(day)));
        painter.drawRect(cellRect(day));
    }
}
