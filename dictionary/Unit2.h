#pragma once

#include <optional>

#include "dictionary/dictionarydocument.h"
#include "platform/dialogs.h"
#include "ui/form.h"

class EditorPictures;
class QAction;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class ExpressionFilter;

// The expression editor: entry fields, the list of the dictionary's expressions, and
// opening and saving dictionaries.
class TForm2 : public VokabForm {
    Q_OBJECT
public:
    TForm2(Forms &forms, Platform &platform);
    ~TForm2() override;

    // Tool buttons along the top.
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn1 = nullptr; // the disabled separator
    QPushButton *btpridej = nullptr;
    QPushButton *btodeber = nullptr;
    QPushButton *btuprav = nullptr;
    QPushButton *btnapoveda = nullptr;
    QPushButton *BitBtn4 = nullptr;

    // Entry fields.
    QLineEdit *edtang = nullptr;
    QLineEdit *edtcz = nullptr;
    QLineEdit *edtvyslovnost = nullptr;
    QLineEdit *edtzvuk = nullptr;
    QToolButton *btpridejzvuk = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;

    // Finding expressions: the list shows those whose texts hold the searched one.
    QLabel *searchLabel = nullptr; // "Hledat:"
    QLineEdit *searchField = nullptr;
    QCheckBox *plainSearch = nullptr;     // "bez diakritiky"
    QCheckBox *wholeWordSearch = nullptr; // "celá slova"

    QTableView *stg = nullptr;
    QLabel *StatusBar1 = nullptr; // the status bar's panel of the count
    QLabel *foundLabel = nullptr; // "Nalezeno N z M" while searching

    // Menu items.
    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *convertAction = nullptr;
    QAction *mergeAction = nullptr;
    QAction *importAction = nullptr;  // "Importovat…"
    QAction *exportAction = nullptr;  // "Exportovat…"
    QAction *restoreAction = nullptr; // "Obnovit ze zálohy…"
    QAction *sortAction = nullptr;    // "Seřadit slovník podle…"
    QAction *findAction = nullptr;    // Ctrl+F: to the search field
    QAction *closeAction = nullptr;
    QAction *addAction = nullptr;
    QAction *removeAction = nullptr;
    QAction *editAction = nullptr;
    QAction *undoAction = nullptr; // "Zpět": the last change of the dictionary undone
    QAction *redoAction = nullptr; // "Znovu"

    void btpridejClick();
    void btodeberClick();
    void btupravClick();
    void undoClick();
    void redoClick();
    void BitBtn5Click(); // New
    void BitBtn2Click(); // Open
    void BitBtn3Click(); // Save
    void saveAsClick();
    void convertClick();
    void mergeClick();
    // Chooses a file of another program: KVTML comes in at once, delimited text through
    // the import window.
    void importClick();
    // Writes the dictionary as CSV, TSV or KVTML, by the chosen file's extension.
    void exportClick();
    // The restore window with the dictionary open here chosen.
    void restoreClick();
    // Asks for a column and puts the dictionary itself in its order (a step of the history).
    void sortClick();
    void BitBtn4Click();
    void btnapovedaClick();
    void btpridejzvukClick();
    void CheckBox1Click();
    void CheckBox2Click();

    // Starts a new dictionary without asking.
    void newDictionary();
    // Saves as "Uložit" does; false when the dictionary was not saved (empty, the
    // dialog cancelled, the file not written).
    bool saveDictionary();

    // Before the dictionary is dropped: when it changed, asks whether to save it
    // ("Ano", "Ne", "Zrušit"). True when the caller may go on: nothing changed, the
    // user said No, or the dictionary was saved.
    bool offerToSave();
    // Opens a dictionary file as Open does with the file chosen in its dialog (a
    // dictionary named on the command line).
    void openDictionary(const QString &path);

    // Takes imported expressions as a new, unsaved dictionary. Characters that
    // Windows-1250 cannot hold are listed first, to be replaced or the import cancelled;
    // rows and sounds left out are told. False when the user cancelled.
    // `pictures`, when given, names one picture file per expression (empty: none).
    bool takeImported(const Tpole &dictionary, qsizetype skippedRows,
                      const QStringList &droppedSounds, const QStringList &pictures = {});

    // The dictionary the editor works on.
    DictionaryDocument &document() { return m_document; }
    const DictionaryDocument &document() const { return m_document; }
    // The dictionary (a copy that shares the texts).
    Tpole dictionary() const { return m_document.records().toList(); }
    int recordCount() const { return m_document.count(); }
    // The selected expression (its row in the dictionary, from 0, whatever row of the
    // searched or sorted list shows it), or -1 when none is selected.
    int selectedRow() const;
    // Selects the expression at `row` of the dictionary, when the list shows it.
    void selectRow(int row);
    // The list as shown: the dictionary's records searched and sorted.
    ExpressionFilter *shownList() const { return m_shown; }

    // The pictures of the expressions: the selected one's beside the fields, the list's
    // column, and the commands that give the selected expression a picture.
    EditorPictures &pictures() { return *m_pictures; }

    const FileDialogState &openDialog() const { return m_openDialog; }
    const FileDialogState &saveDialog() const { return m_saveDialog; }
    const FileDialogState &importDialog() const { return m_importDialog; }
    const FileDialogState &exportDialog() const { return m_exportDialog; }

protected:
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildSearch(QWidget *parent, QBoxLayout *column);
    // The list shows what the search field and its options ask for.
    void search();
    void showFound();
    bool searchKey(QEvent *event);
    void setStatus(const QString &text);
    void setCaption(const QString &shownName);
    void scrollToNewest();
    void caretAfterBracket();
    void updateCaseMode(bool withPronunciation);
    void focusAfter(QWidget *widget);
    // The texts and states of "Zpět" and "Znovu" as the history stands.
    void showHistory();
    // After an undo or redo: the changed expression selected and in view.
    void showStep(int row);
    // Empties the entry fields, their own typing history too.
    void clearFields();
    // Saves through the document and tells what went wrong. False when the file was not
    // written.
    bool saveTo(const QString &path);
    // Asks where to save; cancelling says that the dictionary was not saved.
    std::optional<QString> chooseSaveName();
    bool keyPressed(QLineEdit *edit, QKeyEvent *event);
    // Whether a key that "Zpět" or "Znovu" answers belongs to the entry field instead:
    // only when the field has typing of its own to undo or redo.
    static bool fieldTakesHistoryKey(QLineEdit *edit, QKeyEvent *event);

    DictionaryDocument m_document;
    ExpressionFilter *m_shown = nullptr;
    int m_selectedBeforeReset = -1;
    QGridLayout *m_fields = nullptr;
    EditorPictures *m_pictures = nullptr;
    QString m_shownName;
    // The caption of the dictionary an import replaced, for its undo.
    QString m_shownNameBeforeImport;
    FileDialogState m_openDialog;
    FileDialogState m_saveDialog;
    FileDialogState m_importDialog;
    FileDialogState m_exportDialog;
};
