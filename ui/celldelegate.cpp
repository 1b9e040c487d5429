#include "ui/celldelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

void PlainCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
        : option.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                      : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const QVariant font = index.data(Qt::FontRole);
        const int margin =
            style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
        painter->save();
        painter->setFont(font.isValid() ? qvariant_cast<QFont>(font) : option.font);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(margin, 0, -margin, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
}
