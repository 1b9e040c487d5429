#pragma once

#include "dictionary/recordlist.h"

#include <QAbstractTableModel>
#include <QFont>

#include <functional>

#include <optional>
#include <vector>

// A list of dictionary records in a grid, read in place: a dictionary of any size
// shows at once, and the window changes its records through the model.
// The editor's list shows "Cizí výraz", "Český výraz", "Cizojazyčná výslovnost" and
// "Mluvená výslovnost"; a new or renewed dictionary shows one empty row until its first
// expression, and a dictionary whose expressions were all deleted shows none.
// The merger's lists show the fields in file order (Czech first) and one empty row
// whenever they are empty.
class DictionaryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Style { Editor, FileOrder };
    explicit DictionaryModel(RecordList &dictionary, Style style = Style::Editor,
                             QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of a cell as the list shows it.
    QString cell(int row, int column) const;

    // Replaces the dictionary; `blankRow` shows one empty row while it is empty.
    void replace(Tpole dictionary, bool blankRow);
    // Appends a record, or all records of a list, at the end.
    void append(const Tslovniky &record) { insert(int(m_dictionary.size()), record); }
    void appendAll(const RecordList &records);
    // Puts a record before `row` (at the end for `row` == the count of records).
    void insert(int row, const Tslovniky &record);
    // Removes the record at `row` (the others keep their order).
    void remove(int row) { take(row); }
    // The same, giving the removed record back (an empty one for a row that is not there).
    Tslovniky take(int row);
    // Gives the list all records of `records` and `records` the list's, without copying
    // them; the empty rows shown while empty are exchanged too.
    void exchange(RecordList &records, bool &blankRow);
    // Changes the record at `row`.
    void setRecord(int row, const Tslovniky &record);
    // Every record may have changed (for example the sounds' paths after a save).
    void recordsChanged();
    // Puts the records in another order: row i becomes the record that was at `order[i]`
    // (`order` holds every row once). Indexes kept by views follow their records.
    void reorder(const std::vector<int> &order);

    // The record at `row` is shown otherwise (its picture changed).
    void recordChanged(int row);

    void setPronunciationFont(const QFont &font) { m_font = font; }

    // The editor's fifth column, "Obrázek", shown while the dictionary has pictures: each
    // row's thumbnail as `thumbnail` gives it (made when the row is first shown).
    static constexpr int kPictureColumn = 4;
    void setThumbnails(std::function<QVariant(int row)> thumbnail) {
        m_thumbnail = std::move(thumbnail);
    }
    bool pictureColumn() const { return m_pictureColumn; }
    void setPictureColumn(bool shown);

    // Whether the list shows its empty row while it has no records.
    bool blankRow() const { return m_blankRow; }
    void setBlankRow(bool blankRow);

private:
    int column(int section) const;

    RecordList &m_dictionary;
    Style m_style;
    bool m_blankRow = true;
    std::optional<QFont> m_font;
    bool m_pictureColumn = false;
    std::function<QVariant(int row)> m_thumbnail;
};
