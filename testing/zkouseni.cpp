#include "testing/zkouseni.h"

#include <cmath>

namespace testitems {

TestRecord recordFromLine(QStringView line, bool foreignShown) {
    const dictionaryfile::LineFields f = dictionaryfile::fieldsOfLine(line);
    TestRecord record;
    record.shown = foreignShown ? f.field2 : f.field1;
    record.answer = foreignShown ? f.field1 : f.field2;
    record.vyslovnost = f.field3;
    record.zvuk = f.field4;
    return record;
}

QList<TestRecord> recordsFromLines(const QStringList &lines, bool foreignShown) {
    qsizetype count = lines.size();
    if (count > 0 && lines.last().isEmpty())
        --count;
    QList<TestRecord> records;
    records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        records.append(recordFromLine(lines[i], foreignShown));
    return records;
}

Tslovniky itemFromLine(QStringView line, bool foreignShown) {
    Tslovniky item = dictionaryfile::recordFromLine(line);
    if (foreignShown)
        std::swap(item.cz, item.ang);
    return item;
}

Tpole itemsFromLines(const QStringList &lines, bool foreignShown) {
    Tpole items;
    items.reserve(lines.size());
    for (const QString &line : lines)
        items.append(itemFromLine(line, foreignShown));
    return items;
}

TestRecord recordOfItem(const Tslovniky &item) {
    return TestRecord{item.ang, item.cz, item.vyslovnost, item.zvuk};
}

Tslovniky dictionaryRecord(const TestRecord &record, bool czechShown) {
    Tslovniky result;
    result.cz = czechShown ? record.shown : record.answer;
    result.ang = czechShown ? record.answer : record.shown;
    result.vyslovnost = record.vyslovnost;
    result.zvuk = record.zvuk;
    return result;
}

QString dictionaryLine(const TestRecord &record, bool czechShown) {
    return dictionaryfile::lineOfRecord(dictionaryRecord(record, czechShown));
}

QString shownMeanings(QStringView field) {
    return dictionaryfile::meanings(field).join(QStringLiteral(" ; "));
}

bool isRightAnswer(const QString &answer, QStringView answerField) {
    return dictionaryfile::meanings(answerField).contains(answer);
}

QString percentText(int correct, int total) {
    if (total <= 0)
        return QStringLiteral("0");
    const double percent = double(correct) / double(total) * 100.0;
    QString text = QString::number(percent, 'g', 15);
    text.replace(u'.', u',');
    return text;
}

std::optional<double> percentFromText(const QString &text) {
    QString normal = text.trimmed();
    normal.replace(u',', u'.');
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace testitems
