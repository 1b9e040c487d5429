#pragma once

#include "platform/dialogs.h"
#include "ui/form.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// "Práce se zvukem": records the pronunciation of the expression being typed in the
// editor, or takes an existing WAV file, and shows its length. The recorder's state
// (the current recording path and the recording flag) is shared with the edit dialog.
class TForm5 : public VokabForm {
    Q_OBJECT
public:
    TForm5(Forms &forms, Platform &platform);

    QLabel *Label1 = nullptr;            // "Stav:"
    QLabel *Label4 = nullptr;            // status
    QLabel *Label3 = nullptr;            // "Délka záznamu:"
    QLabel *Label2 = nullptr;            // length
    QPushButton *BitBtn2 = nullptr;      // "Otevřít"
    QPushButton *button1 = nullptr;      // "Start"
    QPushButton *button2 = nullptr;      // "Stop"
    QPushButton *BitBtn3 = nullptr;      // "Znova"
    QPushButton *speechButton = nullptr; // "Vytvořit řečí"
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *BitBtn4 = nullptr; // "OK"
    QPushButton *BitBtn1 = nullptr; // "Zpět"
    QTimer *Timer1 = nullptr;
    FileDialogState OpenDialog1;

    // The recorder's state, shared with the edit dialog.
    QString recordingPath; // the current recording path
    bool recording = false;

    // Shown by the editor's sound button: ready, length "0 s", focus on Start.
    void showReady();

    void button1Click();
    void button2Click();
    void BitBtn3Click();
    // Writes the editor's foreign expression, spoken by the voice of the general
    // settings, as the recording: a fresh WAV file in Temp, as "Start" records into.
    void speechButtonClick();
    void BitBtn2Click();
    void BitBtn4Click();
    void BitBtn1Click();
    void Timer1Timer();

    // Starts recording into the path; false (with the error shown) when it cannot.
    bool startRecording(const QString &path);
    // The Temp folder made ready for a recording; false when it cannot be, the error told.
    static bool prepareTemp(Platform &platform);
    // Stops the recording, saving it or not; shows a failure.
    void stopRecording(bool save);
    // The length shown after "Délka záznamu:", "N,N s", for a file with a valid WAV
    // header; nothing otherwise.
    static std::optional<QString> recordingLength(const QString &path);

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void setStatus(const QString &text, const QColor &colour);
    void showLength(const QString &path);
    bool requireExpression(const QString &warning);
    // Records the editor's expression into a fresh file in Temp.
    bool startRecording();
    QString m_recorded; // the last recording made since the window was shown
};
