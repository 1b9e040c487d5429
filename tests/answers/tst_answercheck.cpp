#include "answers/answercheck.h"
#include "testing/zkouseni.h"

#include <QTest>

using answers::Language;
using answers::Verdict;

namespace {

// Leniencies named in a table cell: "case diacritics punctuation leading typo".
answers::Leniency leniencyOf(const QString &names) {
    answers::Leniency leniency;
    const QStringList list = names.split(u' ', Qt::SkipEmptyParts);
    leniency.ignoreCase = list.contains(u"case");
    leniency.ignoreDiacritics = list.contains(u"diacritics");
    leniency.ignorePunctuation = list.contains(u"punctuation");
    leniency.ignoreLeadingWord = list.contains(u"leading");
    leniency.acceptOneTypo = list.contains(u"typo");
    if (list.contains(u"german"))
        leniency.leadingWords = {QStringLiteral("der"), QStringLiteral("die"),
                                 QStringLiteral("das")};
    return leniency;
}

QString namesOf(const answers::Notes &notes) {
    QStringList names;
    if (notes.letterCase)
        names << QStringLiteral("case");
    if (notes.diacritics)
        names << QStringLiteral("diacritics");
    if (notes.punctuation)
        names << QStringLiteral("punctuation");
    if (notes.leadingWord)
        names << QStringLiteral("leading");
    return names.join(u' ');
}

} // namespace

class TestAnswerCheck : public QObject {
    Q_OBJECT

private slots:
    // With every leniency off an answer is right exactly when the tests' own rule says so.
    void everyLeniencyOffJudgesAsTheExactRule_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("answer");
        const QList<std::pair<const char *, const char *>> cases{{"dog", "dog"},
                                                                 {"a+b", "b"},
                                                                 {"a+b", "a+b"},
                                                                 {"Dog", "dog"},
                                                                 {"dog", "dog "},
                                                                 {"dog", " dog"},
                                                                 {"a++b", ""},
                                                                 {"a+b", ""},
                                                                 {"kůň", "kun"},
                                                                 {"kůň", "kůň"},
                                                                 {"to go", "go"},
                                                                 {"elephant", "elephnat"},
                                                                 {"kočka+kocour", "kocour"},
                                                                 {"the cat", "The cat"},
                                                                 {"", ""},
                                                                 {"přítel+kamarád", "kamarad"}};
        for (const auto &[field, answer] : cases)
            QTest::newRow(qPrintable(
                QStringLiteral("%1 | %2").arg(QString::fromUtf8(field), QString::fromUtf8(answer))))
                << QString::fromUtf8(field) << QString::fromUtf8(answer);
    }
    void everyLeniencyOffJudgesAsTheExactRule() {
        QFETCH(QString, field);
        QFETCH(QString, answer);
        for (const Language language : {Language::Czech, Language::Foreign}) {
            const answers::Judgement j = answers::judge(answer, field, {}, language);
            QCOMPARE(j.verdict == Verdict::Exact, testitems::isRightAnswer(answer, field));
            QVERIFY(j.verdict == Verdict::Exact || j.verdict == Verdict::Wrong);
            QCOMPARE(j.meaning, j.verdict == Verdict::Exact ? answer : QString());
        }
    }

    // Each leniency forgives only its own kind of slip, says which meaning matched and
    // which leniencies the answer needed.
    void eachLeniencyForgivesItsOwnSlip_data() {
        QTest::addColumn<QString>("leniency");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<QString>("notes");
        const int exact = int(Verdict::Exact), right = int(Verdict::RightWithNotes),
                  almost = int(Verdict::AlmostRight), wrong = int(Verdict::Wrong);
        QTest::newRow("case: Czech") << "case" << false << "Praha+město"
                                     << "praha" << right << "Praha"
                                     << "case";
        QTest::newRow("case: capital with accent") << "case" << false << "Řeka"
                                                   << "řEKA" << right << "Řeka"
                                                   << "case";
        QTest::newRow("case on, exact anyway") << "case" << true << "Dog+dog"
                                               << "dog" << exact << "dog"
                                               << "";
        QTest::newRow("case does not forgive accents") << "case" << false << "kůň"
                                                       << "KUN" << wrong << ""
                                                       << "";
        QTest::newRow("diacritics: Czech") << "diacritics" << false << "kůň+oř"
                                           << "kun" << right << "kůň"
                                           << "diacritics";
        QTest::newRow("diacritics: second meaning") << "diacritics" << false << "přítel+kamarád"
                                                    << "kamarad" << right << "kamarád"
                                                    << "diacritics";
        QTest::newRow("diacritics: German") << "diacritics" << true << "Mädchen"
                                            << "Madchen" << right << "Mädchen"
                                            << "diacritics";
        QTest::newRow("diacritics: Polish stroke") << "diacritics" << true << "łódź"
                                                   << "lodz" << right << "łódź"
                                                   << "diacritics";
        QTest::newRow("diacritics keep the case") << "diacritics" << false << "Čech"
                                                  << "cech" << wrong << ""
                                                  << "";
        QTest::newRow("diacritics and case") << "diacritics case" << false << "Čech"
                                             << "cech" << right << "Čech"
                                             << "case diacritics";
        QTest::newRow("punctuation: full stop") << "punctuation" << true << "Good morning!"
                                                << "Good morning" << right << "Good morning!"
                                                << "punctuation";
        QTest::newRow("punctuation: spaces") << "punctuation" << false << "dobré ráno"
                                             << "  dobré   ráno " << right << "dobré ráno"
                                             << "punctuation";
        QTest::newRow("punctuation: apostrophe") << "punctuation" << true << "don't"
                                                 << "dont" << right << "don't"
                                                 << "punctuation";
        QTest::newRow("punctuation: a meaning of only punctuation")
            << "punctuation" << true << "?+!"
            << "" << wrong << ""
            << "";
        QTest::newRow("leading: to") << "leading" << true << "to go+to leave"
                                     << "leave" << right << "to leave"
                                     << "leading";
        QTest::newRow("leading: article typed") << "leading" << true << "cat"
                                                << "the cat" << right << "cat"
                                                << "leading";
        QTest::newRow("leading: any case") << "leading" << true << "an apple"
                                           << "An apple" << right << "an apple"
                                           << "leading";
        QTest::newRow("leading: a swapped for the") << "leading" << true << "a dog"
                                                    << "the dog" << right << "a dog"
                                                    << "leading";
        QTest::newRow("leading: not the Czech side") << "leading" << false << "to je"
                                                     << "je" << wrong << ""
                                                     << "";
        QTest::newRow("leading: the word alone stays") << "leading" << true << "to"
                                                       << "" << wrong << ""
                                                       << "";
        QTest::newRow("leading: part of a word") << "leading" << true << "today"
                                                 << "day" << wrong << ""
                                                 << "";
        QTest::newRow("leading: own list") << "leading german" << true << "der Hund"
                                           << "Hund" << right << "der Hund"
                                           << "leading";
        QTest::newRow("leading: own list replaces the default")
            << "leading german" << true << "the dog"
            << "dog" << wrong << ""
            << "";
        QTest::newRow("typo: letter replaced") << "typo" << true << "elephant"
                                               << "elephent" << almost << "elephant"
                                               << "";
        QTest::newRow("typo on, exact anyway") << "typo" << false << "žirafa+velbloud"
                                               << "velbloud" << exact << "velbloud"
                                               << "";
        QTest::newRow("typo: letter left out, Czech") << "typo" << false << "žirafa+velbloud"
                                                      << "velboud" << almost << "velbloud"
                                                      << "";
        QTest::newRow("typo: letter added") << "typo" << true << "giraffe"
                                            << "giraffee" << almost << "giraffe"
                                            << "";
        QTest::newRow("typo: neighbours swapped") << "typo" << true << "monkey"
                                                  << "mokney" << almost << "monkey"
                                                  << "";
        QTest::newRow("typo: two slips") << "typo" << true << "elephant"
                                         << "elefent" << wrong << ""
                                         << "";
        QTest::newRow("typo: distant letters swapped") << "typo" << true << "monkey"
                                                       << "yonkem" << wrong << ""
                                                       << "";
        QTest::newRow("typo: five letters are too few") << "typo" << true << "horse"
                                                        << "hotse" << wrong << ""
                                                        << "";
        QTest::newRow("typo: six letters are enough") << "typo" << false << "kočkou"
                                                      << "kočkuo" << almost << "kočkou"
                                                      << "";
        QTest::newRow("typo: spaces are no letters") << "typo" << true << "ox cab"
                                                     << "ox cob" << wrong << ""
                                                     << "";
        QTest::newRow("typo: right beats almost right") << "typo case" << true << "hallway+Hallwy"
                                                        << "hallwy" << right << "Hallwy"
                                                        << "case";
        QTest::newRow("typo with accents forgiven") << "typo diacritics" << false << "šnečí ulita"
                                                    << "snecí uilta" << almost << "šnečí ulita"
                                                    << "diacritics";
        QTest::newRow("typo: an accent in a five-letter word")
            << "typo" << false << "velbloud+želva"
            << "zelva" << wrong << ""
            << "";
        QTest::newRow("typo: an accent in a long word") << "typo" << false << "rozhlédnout"
                                                        << "rozhlednout" << almost << "rozhlédnout"
                                                        << "";
        QTest::newRow("all: article, case, accent, comma")
            << "case diacritics punctuation leading" << true << "to be, or not"
            << "Bé or not" << right << "to be, or not"
            << "case diacritics punctuation leading";
        QTest::newRow("all: still wrong")
            << "case diacritics punctuation leading typo" << true << "lion+tiger"
            << "bear" << wrong << ""
            << "";
    }
    void eachLeniencyForgivesItsOwnSlip() {
        QFETCH(QString, leniency);
        QFETCH(bool, foreign);
        QFETCH(QString, field);
        QFETCH(QString, answer);
        const answers::Judgement j = answers::judge(answer, field, leniencyOf(leniency),
                                                    foreign ? Language::Foreign : Language::Czech);
        QTEST(int(j.verdict), "verdict");
        QTEST(j.meaning, "meaning");
        QTEST(namesOf(j.notes), "notes");
    }
};

QTEST_GUILESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
