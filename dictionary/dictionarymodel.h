#pragma once

#include "dictionary/slovnik.h"

#include <QAbstractTableModel>
#include <QFont>

// The editor's list: one row per expression of the editor's dictionary, columns
// "Cizí výraz", "Český výraz", "Cizojazyčná výslovnost" and "Mluvená výslovnost".
// The model reads the dictionary in place, so a dictionary of any size shows at once;
// the editor changes its dictionary through the model.
// A new or renewed dictionary shows one empty row until its first expression; a
// dictionary whose expressions were all deleted shows none.
class DictionaryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DictionaryModel(Tpole &dictionary, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell as the list shows it.
    QString cell(int row, int column) const;

    // Replaces the dictionary; `blankRow` shows one empty row while it is empty.
    void replace(Tpole dictionary, bool blankRow);
    // Appends a record at the end.
    void append(const Tslovniky &record);
    // Removes the record at `row` (the others keep their order).
    void remove(int row);
    // Changes the record at `row`.
    void setRecord(int row, const Tslovniky &record);
    // Every record may have changed (for example the sounds' paths after a save).
    void recordsChanged();

    void setPronunciationFont(const QFont &font) { m_font = font; }

private:
    Tpole &m_dictionary;
    bool m_blankRow = true;
    QFont m_font;
};
