#pragma once

#include "answers/answercheck.h"
#include "testing/testsettings.h"

class QCheckBox;
class QLineEdit;

// The settings of Testing I: direction, order, showing the right answer after a wrong
// one, sounds; the registry key "Normalni zkousec" keeps them between runs.
class TForm10 : public TestSettingsForm {
    Q_OBJECT
public:
    TForm10(Forms &forms, Platform &platform);

    void BitBtn2Click();
    void BitBtn1Click();

    // Ours: how strictly typed answers are judged. All off by default: an answer is then
    // right only when it equals a meaning exactly.
    QCheckBox *ignoreCaseBox = nullptr;
    QCheckBox *ignoreDiacriticsBox = nullptr;
    QCheckBox *ignorePunctuationBox = nullptr;
    QCheckBox *ignoreLeadingWordBox = nullptr;
    QLineEdit *leadingWordsEdit = nullptr;
    QCheckBox *acceptTypoBox = nullptr;
    QCheckBox *typoCountsRightBox = nullptr;

    // Ours: questions answered by a choice among four texts (off by default: typed).
    QCheckBox *choiceBox = nullptr;
    bool choiceOfFour() const;

    answers::Leniency leniency() const;
    // Whether any leniency is on.
    bool lenient() const;
    // Whether an almost right answer counts as right.
    bool almostRightCounts() const;

private:
    void buildLeniency();
    void buildAnswerMode();

    SettingsTable m_leniency;
    SettingsTable m_answerMode;
};
