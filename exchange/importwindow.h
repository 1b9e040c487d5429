#pragma once

#include "exchange/importexport.h"
#include "ui/form.h"

#include <QByteArray>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The import of delimited text (.csv, .tsv, .txt): the first rows of the file as the
// chosen encoding and delimiter cut them, and which column holds the foreign expression,
// the Czech one, the pronunciation and the sound. "Importovat" hands the expressions to
// the editor as a new dictionary; the window stays open when the editor does not take them.
// While it is open the editor is disabled, so that its dictionary cannot change meanwhile.
class ImportWindow : public VokabForm {
    Q_OBJECT
public:
    ImportWindow(Forms &forms, Platform &platform);

    QLabel *fileLabel = nullptr;
    QComboBox *encodingBox = nullptr;
    QComboBox *delimiterBox = nullptr;
    QCheckBox *headerCheck = nullptr;
    QComboBox *foreignBox = nullptr;
    QComboBox *czechBox = nullptr;
    QComboBox *pronunciationBox = nullptr;
    QComboBox *soundBox = nullptr;
    QTableWidget *previewTable = nullptr;
    QLabel *rowsLabel = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *cancelButton = nullptr;

    // Reads the file and shows the window; reports a file that cannot be read and
    // returns false.
    bool showFile(const QString &path);

    // Rows of the file shown in the preview.
    static constexpr int kPreviewRows = 8;

protected:
    void FormClose() override;

private:
    void readAgain();
    void showTable();
    void importClick();
    void fillColumnBoxes(const exchange::Columns &columns);
    exchange::Columns chosenColumns() const;

    QString m_path;
    QByteArray m_bytes;
    exchange::DelimitedFile m_file;
    bool m_filling = false; // the controls are being set from the file, not by the user
};
