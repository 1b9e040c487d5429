#pragma once

#include "dictionary/expressionsound.h"
#include "ui/form.h"

#include <QPersistentModelIndex>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// "Upravit výraz": changes one expression of the dictionary open in the editor.
class TForm3 : public VokabForm {
    Q_OBJECT
public:
    TForm3(Forms &forms, Platform &platform);

    QLineEdit *Edit1 = nullptr;     // foreign expression
    QLineEdit *Edit2 = nullptr;     // Czech translation
    QLineEdit *Edit3 = nullptr;     // pronunciation
    QLineEdit *Edit4 = nullptr;     // sound file
    QPushButton *BitBtn1 = nullptr; // "Upravit"
    QPushButton *BitBtn2 = nullptr; // "Zrušit"
    QPushButton *BitBtn3 = nullptr; // "Přehrát"
    QPushButton *BitBtn4 = nullptr; // "Otevřít"
    QPushButton *button1 = nullptr; // "Start"
    QPushButton *button2 = nullptr; // "Stop"
    QPushButton *BitBtn5 = nullptr; // "Znova"
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;

    // Shows the dialog with the editor's expression at `row` (from 0). The dialog
    // follows that expression while the editor's list changes; -1 once it is gone.
    // `focusAfter` (the editor's foreign field) takes the focus when the dialog closes.
    void openAt(int row, QWidget *focusAfter);
    int currentRow() const;
    // A save moved the sound at `from` to `to`: the dialog's sound follows it.
    void soundMoved(const QString &from, const QString &to);

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void button1Click();
    void button2Click();
    void BitBtn5Click();
    void Timer1Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool startRecording();
    void recordingState(bool recording);
    void leave();
    QPersistentModelIndex m_record;
    QString m_openedSound; // Edit4 as the dialog was opened
    QWidget *m_focusAfter = nullptr;
    ExpressionSound *m_sound = nullptr;
    QString m_recorded; // the last recording made since the dialog was opened
};
