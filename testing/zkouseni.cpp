#include "testing/zkouseni.h"

#include <cmath>

namespace zkouseni {

TestRecord recordFromLine(QStringView line, bool foreignShown) {
    const slovnik::LineFields f = slovnik::fieldsOfLine(line);
    TestRecord record;
    record.zobrazeny = foreignShown ? f.field2 : f.field1;
    record.odpoved = foreignShown ? f.field1 : f.field2;
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
    Tslovniky item = slovnik::recordFromLine(line);
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
    result.cz = czechShown ? record.zobrazeny : record.odpoved;
    result.ang = czechShown ? record.odpoved : record.zobrazeny;
    result.vyslovnost = record.vyslovnost;
    result.zvuk = record.zvuk;
    return result;
}

QString dictionaryLine(const TestRecord &record, bool czechShown) {
    return slovnik::lineOfRecord(dictionaryRecord(record, czechShown));
}

QString shownMeanings(QStringView field) {
    return slovnik::meanings(field).join(QStringLiteral(" ; "));
}

bool isRightAnswer(const QString &answer, QStringView answerField) {
    return slovnik::meanings(answerField).contains(answer);
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

} // namespace zkouseni
