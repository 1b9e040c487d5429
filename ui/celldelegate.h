#pragma once

#include <QStyledItemDelegate>

// Paints a list's cell as a grid of text does: the selection's colour, then the text in
// one line, cut at the cell's edge, in the font the model gives (the phonetic font of a
// pronunciation). The text is laid out once per cell, which keeps repainting a list
// while the user types fast.
class PlainCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
};
