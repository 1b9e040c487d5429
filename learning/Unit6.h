#pragma once

#include "dictionary/expressionsound.h"
#include "dictionary/modepicture.h"
#include "dictionary/slovnik.h"
#include "platform/dialogs.h"
#include "ui/form.h"

#include <memory>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Learning: the expressions of a dictionary shown one after another in file order,
// advanced by a timer or by hand, with their sounds.
class TForm6 : public VokabForm {
    Q_OBJECT
public:
    TForm6(Forms &forms, Platform &platform);

    QAction *Vuka1 = nullptr;
    QAction *Otevt1 = nullptr;
    QAction *Konec1 = nullptr;
    QAction *Nastaven1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *btstart = nullptr;
    QPushButton *btdalsi = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *btpokracovat = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPlainTextEdit *mec = nullptr;
    QPlainTextEdit *meang = nullptr;
    QPlainTextEdit *meangvysl = nullptr;
    QLabel *lbcelkvyrazu = nullptr;
    QLabel *lbaktvyraz = nullptr;
    QLabel *lbinterval = nullptr;
    QTimer *Timer1 = nullptr;
    FileDialogState OpenDialog1;

    void Otevt1Click();
    void BitBtn2Click();
    void btstartClick();
    void BitBtn3Click();
    void btpokracovatClick();
    void Timer1Timer();
    void Nastaven1Click();
    void Konec1Click();

    void nactivyrazy();
    void obnovinfo();
    void vychozistav();
    void zobrazvyznamy();
    // The font size of the three text fields.
    void setFontSize(int size);

    const Tpole &dictionary() const { return m_dictionary; }
    int position() const { return m_position; }
    bool running() const { return m_running; }
    bool paused() const { return m_paused; }
    // The expressions' pictures, shown with the expression (learning shows its answer at
    // once, so the picture gives nothing away).
    const ModePicture &picture() const { return *m_picture; }

protected:
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void endLesson();
    bool automaticSteps() const;
    int stepSeconds() const;

    Tpole m_dictionary;
    QStringList m_lines; // the file's lines
    int m_position = -1;
    bool m_running = false;
    bool m_paused = false;
    ExpressionSound *m_sound = nullptr;
    std::unique_ptr<ModePicture> m_picture;
};
