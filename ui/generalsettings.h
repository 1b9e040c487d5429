#pragma once

#include <QColor>
#include <QString>

#include <array>

// How an expression without a recording is spoken: the general settings' tab
// "Výslovnost" holds these.
struct SpeechSettings {
    bool speakWithoutRecording = true;
    QString language = QStringLiteral("en"); // the voice of the foreign side
    int rate = 175;                          // words per minute
};

// What the subsystems' windows read of the general settings (TForm8, in app/), whose
// controls are the live settings, at the moment they need them: the start-up puts the
// window into the Forms table as `settings` too, so that no subsystem includes app/.
class GeneralSettings {
public:
    // "Velká písmena" (`chbvelke`): answers and entries are typed in capitals.
    virtual bool upperCase() const = 0;
    // The statistics record a completed test (`chbkompletnidokonceni`) and an
    // interrupted one (`chbprerusenizkouseni`).
    virtual bool recordCompleted() const = 0;
    virtual bool recordInterrupted() const = 0;
    // The whole percentages needed for the grades 1 to 4 (`sp1` .. `sp4`).
    virtual std::array<int, 4> gradeThresholds() const = 0;
    // The colour of the statistics chart, as `Panel1` shows it.
    virtual QColor chartColour() const = 0;
    // How expressions without a recording are spoken, as the tab "Výslovnost" shows it.
    virtual SpeechSettings speech() const = 0;
    // The tip of the day at start (`chbtip`), confirmed as by "OK" (`BitBtn1Click`).
    virtual void confirmTipAtStart(bool shown) = 0;

protected:
    ~GeneralSettings() = default;
};
