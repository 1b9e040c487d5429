#pragma once

#include "dictionary/picturefile.h"

#include "dictionary/recordlist.h"
#include "platform/dialogs.h"
#include "ui/form.h"

class QLabel;
class QPushButton;
class QTableView;
class DictionaryModel;

// The dictionary merger: records of one or more dictionaries are transferred by hand
// from the source list into a new dictionary, which is saved as a new file.
class TForm14 : public VokabForm {
    Q_OBJECT
public:
    TForm14(Forms &forms, Platform &platform);

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr;
    QTableView *stg = nullptr;  // the source dictionary
    QTableView *stg1 = nullptr; // the new dictionary
    QPushButton *btnacti = nullptr, *btuberstary = nullptr, *BitBtn1 = nullptr, *btpreved = nullptr,
                *btuberznovy = nullptr, *BitBtn2 = nullptr, *btuloz = nullptr, *btkonec = nullptr;

    void FormCreate();
    void btnactiClick();
    void btuberstaryClick();
    void btprevedClick();
    void BitBtn1Click();
    void btuberznovyClick();
    void BitBtn2Click();
    void btulozClick();
    void btkonecClick();

    const RecordList &Tpuvodni() const { return m_source; }
    const RecordList &Tnovy() const { return m_merged; }
    FileDialogState OpenDialog1;
    FileDialogState SaveDialog1;

protected:
    void FormClose() override;

private:
    void buildControls();
    QTableView *makeGrid(QWidget *parent, const char *name, DictionaryModel *model);
    static void selectRow(QTableView *grid, int row);

    RecordList m_source;
    RecordList m_merged;
    // The pictures of the expressions of every dictionary read since the merger was
    // opened, by their texts: the merged dictionary brings them along.
    QHash<picturefile::Key, QString> m_pictures;
    DictionaryModel *m_sourceModel = nullptr;
    DictionaryModel *m_mergedModel = nullptr;
};
