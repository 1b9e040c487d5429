#include "ui/controls.h"

#include "ui/form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <algorithm>

void makeBold(QWidget *widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

QLabel *boldLabel(QWidget *parent, const char *name, const QString &text) {
    auto *label = named<QLabel>(parent, name);
    label->setText(text);
    makeBold(label);
    return label;
}

QIcon standardIcon(const QWidget *widget, QStyle::StandardPixmap which) {
    // Kept until the application goes, whose pictures they are.
    static QHash<QString, QIcon> *const shared = [] {
        auto *icons = new QHash<QString, QIcon>;
        qAddPostRoutine([] { shared->clear(); });
        return icons;
    }();
    const QStyle *style = widget->style();
    const QString key = style->name() + u'/' + QString::number(int(which));
    if (const auto found = shared->constFind(key); found != shared->cend())
        return *found;
    const QIcon full = style->standardIcon(which, nullptr, widget);
    QIcon small;
    for (const int side : {16, 24, 32, 48}) {
        const QPixmap picture = full.pixmap(QSize(side, side), 1.0);
        if (!picture.isNull())
            small.addPixmap(picture);
    }
    return shared->insert(key, small.isNull() ? full : small).value();
}

QPushButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &hint) {
    auto *button = named<QPushButton>(parent, name);
    button->setIcon(standardIcon(parent, icon));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(30, 28);
    return button;
}

QLabel *captionAndValue(QGridLayout *grid, int row, const QString &caption, const char *name,
                        const QString &value, const char *captionName) {
    QWidget *parent = grid->parentWidget();
    auto *label = captionName ? named<QLabel>(parent, captionName) : new QLabel(parent);
    label->setText(caption);
    auto *shown = named<QLabel>(parent, name);
    shown->setText(value);
    grid->addWidget(label, row, 0);
    grid->addWidget(shown, row, 1);
    return shown;
}

QSpinBox *arrowsOnlySpinBox(QWidget *parent, const char *name, int minimum, int maximum,
                            int value) {
    auto *spin = named<QSpinBox>(parent, name);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    if (QLineEdit *edit = spin->findChild<QLineEdit *>())
        edit->setReadOnly(true);
    return spin;
}

QAction *menuItem(QWidget *menu, const char *name, const QString &caption,
                  const QKeySequence &key) {
    auto *action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    menu->addAction(action);
    return action;
}

void setTextColour(QWidget *widget, const std::optional<QColor> &colour) {
    if (!colour) {
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, *colour);
    palette.setColor(QPalette::Text, *colour);
    widget->setPalette(palette);
}

QList<int> fittedWidths(const QList<int> &designed, const QList<int> &needed) {
    QList<int> widths = designed;
    int missing = 0;
    int room = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const int need = c < needed.size() ? needed[c] : 0;
        if (need > designed[c]) {
            missing += need - designed[c];
            widths[c] = need;
        } else {
            room += designed[c] - need;
        }
    }
    const int given = std::min(missing, room);
    int taken = 0;
    for (qsizetype c = 0; c < widths.size() && room > 0; ++c) {
        const int need = c < needed.size() ? needed[c] : 0;
        if (need < designed[c]) {
            const int spare = designed[c] - need;
            taken += spare;
            // Cumulative rounding: the shares add up to exactly what is given.
            widths[c] -=
                int(qint64(given) * taken / room) - int(qint64(given) * (taken - spare) / room);
        }
    }
    return widths;
}

namespace {

// The size a cell of the list needs to show the text whole in the font, as the list's
// style draws it.
QSize cellSize(const QTableView *list, const QString &text, const QFont &font) {
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.font = font;
    option.fontMetrics = QFontMetrics(font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = text;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    // The grid line takes the last pixel of each row and column.
    const int grid = list->showGrid() ? 1 : 0;
    return list->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), list) +
           QSize(grid, grid);
}

} // namespace

void setColumnWidthsFittingHeaders(QTableView *list, const QList<int> &designed,
                                   const QStringList &widest) {
    QList<int> needed;
    for (int c = 0; c < designed.size(); ++c) {
        int need = list->horizontalHeader()->sectionSizeHint(c);
        if (!widest.value(c).isEmpty())
            need = std::max(need, cellSize(list, widest[c], list->font()).width());
        needed.append(need);
    }
    const QList<int> widths = fittedWidths(designed, needed);
    int total = 2 * list->frameWidth();
    for (int c = 0; c < widths.size(); ++c) {
        list->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    if (list->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        total += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    // The window grows where the columns together need more than the designed widths.
    list->setMinimumWidth(total);
}

void letUserSizeColumns(QTableView *list) {
    QHeaderView *header = list->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void setMinimumWidthForText(QComboBox *box, const QString &widest) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.currentText = widest;
    const QFontMetrics metrics = box->fontMetrics();
    QSize contents(metrics.horizontalAdvance(widest), metrics.height());
    // An edit box keeps a margin of 2 pixels on each side and room for the caret.
    if (box->isEditable())
        contents.rwidth() += 2 * 2 + 2;
    box->setMinimumWidth(
        box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, box).width());
}

int setRowHeightFittingText(QTableView *list, int designed, const QList<QFont> &fonts) {
    // Capitals with accents and letters below the line: the tallest a row shows.
    const QString tallest = QStringLiteral("ŮÁÉgjy[]");
    int height = designed;
    for (const QFont &font : QList<QFont>{list->font()} + fonts)
        height = std::max(height, cellSize(list, tallest, font).height());
    QHeaderView *rows = list->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(height);
    rows->setDefaultSectionSize(height);
    return height;
}
