#pragma once

#include "review/reviewfile.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// "Obtížné výrazy": the expressions of the open dictionary forgotten so often that
// reviewing alone does not help them. The learner sets one aside (not asked until
// resumed), lets the plan forget it (it is new again) or opens it in the editor to give
// it a better translation. The review window does what the buttons ask.
class DifficultWindow : public QDialog {
    Q_OBJECT
public:
    struct Row {
        review::Key key;
        int lapses = 0;
        bool suspended = false;
    };

    explicit DifficultWindow(QWidget *parent);

    QLabel *thresholdLabel = nullptr;
    QTableWidget *difficultList = nullptr;
    QPushButton *suspendButton = nullptr;
    QPushButton *resetButton = nullptr;
    QPushButton *editButton = nullptr;
    QPushButton *closeButton = nullptr;

    void setRows(const QList<Row> &rows, int threshold);
    const QList<Row> &rows() const { return m_rows; }
    // The selected row, or -1.
    int selected() const;

    std::function<void(const Row &)> toggleSuspended;
    std::function<void(const Row &)> resetMemory;
    std::function<void(const Row &)> openInEditor;

private:
    void updateButtons();
    void act(const std::function<void(const Row &)> &action);

    QList<Row> m_rows;
};
