#include "review/difficultwindow.h"

#include "ui/form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

DifficultWindow::DifficultWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("difficultWindow"));
    setWindowTitle(QStringLiteral("Obtížné výrazy"));
    auto *layout = new QVBoxLayout(this);
    thresholdLabel = named<QLabel>(this, "thresholdLabel");
    thresholdLabel->setWordWrap(true);
    layout->addWidget(thresholdLabel);
    difficultList = named<QTableWidget>(this, "difficultList");
    difficultList->setAccessibleName(QStringLiteral("Obtížné výrazy"));
    difficultList->setColumnCount(4);
    difficultList->setHorizontalHeaderLabels(
        {QStringLiteral("Cizí výraz"), QStringLiteral("Český výraz"), QStringLiteral("Zapomenuto"),
         QStringLiteral("Stav")});
    difficultList->setSelectionBehavior(QAbstractItemView::SelectRows);
    difficultList->setSelectionMode(QAbstractItemView::SingleSelection);
    difficultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    difficultList->verticalHeader()->hide();
    difficultList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    difficultList->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(difficultList, 1);

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &text) {
        auto *b = named<QPushButton>(this, name);
        b->setText(text);
        buttons->addWidget(b);
        return b;
    };
    suspendButton = button("suspendButton", QStringLiteral("&Odložit"));
    resetButton = button("resetButton", QStringLiteral("&Zapomenout naučené"));
    editButton = button("editButton", QStringLiteral("Otevřít v &editoru"));
    buttons->addStretch();
    closeButton = button("closeButton", QStringLiteral("Zavřít"));
    layout->addLayout(buttons);

    connect(difficultList, &QTableWidget::itemSelectionChanged, this,
            &DifficultWindow::updateButtons);
    connect(suspendButton, &QPushButton::clicked, this, [this] { act(toggleSuspended); });
    connect(resetButton, &QPushButton::clicked, this, [this] { act(resetMemory); });
    connect(editButton, &QPushButton::clicked, this, [this] { act(openInEditor); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    resize(QSize(560, 360).expandedTo(sizeHint()));
    updateButtons();
}

void DifficultWindow::setRows(const QList<Row> &rows, int threshold) {
    const int before = selected();
    m_rows = rows;
    thresholdLabel->setText(
        rows.isEmpty()
            ? QStringLiteral("Žádný výraz slovníku nebyl zapomenut %1krát nebo vícekrát.")
                  .arg(threshold)
            : QStringLiteral("Výrazy zapomenuté %1krát nebo vícekrát (%2):")
                  .arg(threshold)
                  .arg(rows.size()));
    difficultList->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const QStringList cells{row.key.foreign, row.key.czech, QString::number(row.lapses),
                                row.suspended ? QStringLiteral("odložený") : QString()};
        for (int column = 0; column < cells.size(); ++column)
            difficultList->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    if (!rows.isEmpty())
        difficultList->selectRow(std::clamp(before, 0, int(rows.size()) - 1));
    updateButtons();
}

int DifficultWindow::selected() const {
    const QList<QTableWidgetSelectionRange> ranges = difficultList->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void DifficultWindow::updateButtons() {
    const int row = selected();
    const bool chosen = row >= 0 && row < m_rows.size();
    for (QPushButton *b : {suspendButton, resetButton, editButton})
        b->setEnabled(chosen);
    suspendButton->setText(chosen && m_rows[row].suspended ? QStringLiteral("&Vrátit do opakování")
                                                           : QStringLiteral("&Odložit"));
}

void DifficultWindow::act(const std::function<void(const Row &)> &action) {
    const int row = selected();
    if (row >= 0 && row < m_rows.size() && action)
        action(m_rows[row]);
}
