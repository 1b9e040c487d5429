#pragma once

#include "translator/prekladac.h"
#include "ui/form.h"
#include "ui/settingstable.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TranslatorModel;

// The expression translator: the shipped word list in a two-column grid, searched
// exactly (Enter, "Hledej") or while typing, in either direction.
class TForm24 : public VokabForm {
    Q_OBJECT
public:
    TForm24(Forms &forms, Platform &platform);

    QLabel *Label1 = nullptr;
    QLineEdit *edthledej = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QTableView *StringGrid1 = nullptr;

    QAction *englishAction = nullptr;
    QAction *ZCZdoANj1 = nullptr;
    QAction *ZANJdoCZ1 = nullptr;
    QAction *Konec1 = nullptr;
    QAction *Auto1 = nullptr;
    QAction *Hledej1 = nullptr;
    QAction *Koprujdoschrnky1 = nullptr;
    QAction *Info1 = nullptr;

    void FormCreate();
    void SpeedButton1Click();
    void Hledej1Click() { SpeedButton1Click(); }
    // A character typed into the search box; Enter selects the text and searches.
    void edthledejKeyPress(QChar key);
    void edthledejKeyUp();
    void SpeedButton2Click();
    void ZCZdoANj1Click() { SpeedButton2Click(); }
    void ZANJdoCZ1Click() { SpeedButton2Click(); }
    void SpeedButton3Click();
    void Koprujdoschrnky1Click() { SpeedButton3Click(); }
    void Auto1Click();
    void Info1Click();
    void BitBtn1Click();
    void Konec1Click() { BitBtn1Click(); }

    void postupnehledej();
    void pootoceni(const QString &translation);

    // The current row of the grid counting the header row as 0 (entries from 1).
    int currentRow() const;
    // The text of a grid cell, the header row being row 0.
    QString cell(int column, int row) const;
    // The row shown at the top of the grid (entries from 1).
    int topRow() const;
    // The number of grid rows, header included.
    int rowCount() const;

    // The word list, decoded when it is first needed.
    const translatorfile::WordList &dictionary() const;
    bool czechToEnglish() const;

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const translatorfile::EntryList &currentList() const;
    void showDirection();
    void fillGrid();
    // Fills the grid when the translator is first used.
    void ensureGrid();
    void selectRow(int entry, bool toTop);
    void writeSettings();

    // The word list is checked at start (a missing or broken file is reported then) and
    // read when the translator is first used: most runs never open it.
    mutable bool m_listPending = false;
    mutable translatorfile::WordList m_words;
    bool m_gridFilled = false;
    // The key "Translator": each value, its control and its default.
    SettingsTable m_settings;
    bool m_storedCzToEn = false;
    bool m_storedEnToCz = true;
    TranslatorModel *m_model = nullptr;
    QString m_remembered;
};
