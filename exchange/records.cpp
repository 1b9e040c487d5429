#include "exchange/records.h"

#include "core/win1250.h"
#include "dictionary/phonetic.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QUrl>

namespace exchange {
namespace {

// The phonetic symbols another program may write and the keys Vokab types them with:
// the font's twelve symbols, and the letters that Vokab types as plain letters.
struct SymbolKey {
    char16_t symbol;
    char16_t key;
};
constexpr SymbolKey kSymbolKeys[] = {
    {u'θ', u'0'}, {u'ɪ', u'1'}, {u'ʊ', u'2'}, {u'ʒ', u'3'}, {u'æ', u'4'},  {u'ʃ', u'5'},
    {u'ð', u'6'}, {u'ʌ', u'7'}, {u'ŋ', u'8'}, {u'ɒ', u'9'}, {u'ɔ', u'!'},  {u'ə', u'@'},
    {u'ɜ', u'@'}, {u'ɑ', u'a'}, {u'ː', u':'}, {u'ɡ', u'g'}, {u'ˈ', u'\''}, {u'ˌ', u','},
    {u'ɹ', u'r'}, {u'ɛ', u'e'}, {u'ɐ', u'7'},
};

// Letters that have no accent to drop but a usual spelling in plain letters.
const QHash<char32_t, QString> &spelledLetters() {
    static const QHash<char32_t, QString> letters{
        {U'æ', QStringLiteral("ae")}, {U'Æ', QStringLiteral("AE")}, {U'œ', QStringLiteral("oe")},
        {U'Œ', QStringLiteral("OE")}, {U'ø', QStringLiteral("o")},  {U'Ø', QStringLiteral("O")},
        {U'ı', QStringLiteral("i")},  {U'ħ', QStringLiteral("h")},  {U'Ħ', QStringLiteral("H")},
        {U'ŧ', QStringLiteral("t")},  {U'Ŧ', QStringLiteral("T")},  {U'ŋ', QStringLiteral("n")},
        {U'Ŋ', QStringLiteral("N")},  {U'þ', QStringLiteral("th")}, {U'Þ', QStringLiteral("TH")},
        {U'ð', QStringLiteral("d")},  {U'ſ', QStringLiteral("s")},  {U'ĸ', QStringLiteral("k")},
        {U'ŀ', QStringLiteral("l")},  {U'Ŀ', QStringLiteral("L")},  {U'ĳ', QStringLiteral("ij")},
        {U'Ĳ', QStringLiteral("IJ")},
    };
    return letters;
}

QString replacementOf(char32_t code) {
    if (const auto found = spelledLetters().constFind(code); found != spelledLetters().cend())
        return *found;
    const QString decomposed =
        QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_KD);
    QString base;
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            base.append(c);
    }
    if (!base.isEmpty() && base.size() <= 3 && base.front().isLetterOrNumber() &&
        win1250::canEncode(base))
        return base;
    return QStringLiteral("?");
}

// Calls `visit(characterText, codePoint)` for every character of the text that
// Windows-1250 cannot hold.
template <typename Visit> QString mapUnencodable(const QString &text, Visit &&visit) {
    if (win1250::canEncode(text))
        return text;
    QString result;
    result.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        if (win1250::canEncode(character) && !QChar::isSurrogate(code))
            result += character;
        else
            result += visit(character, code);
    }
    return result;
}

QString cell(const Row &row, int column) {
    return column >= 0 && column < row.size() ? row[column] : QString();
}

const Row kHeaderNames{QStringLiteral("Cizí výraz"), QStringLiteral("Český výraz"),
                       QStringLiteral("Výslovnost"), QStringLiteral("Zvuk")};

} // namespace

Row headerRow() {
    return kHeaderNames;
}

Columns guessColumns(const Table &table) {
    Columns columns;
    if (table.isEmpty())
        return columns;
    const Row &first = table.front();
    QList<int> named(kHeaderNames.size(), -1);
    for (int i = 0; i < first.size(); ++i) {
        for (int k = 0; k < kHeaderNames.size(); ++k) {
            if (first[i].trimmed().compare(kHeaderNames[k], Qt::CaseInsensitive) == 0 &&
                named[k] < 0)
                named[k] = i;
        }
    }
    if (named[0] >= 0 && named[1] >= 0) {
        return {named[0], named[1], named[2], named[3], true};
    }
    bool bracketed = false;
    bool other = false;
    for (const Row &row : table) {
        const QString text = cell(row, 2).trimmed();
        if (text.isEmpty())
            continue;
        if (text.startsWith(u'[') && text.endsWith(u']'))
            bracketed = true;
        else
            other = true;
    }
    if (bracketed && !other)
        columns.pronunciation = 2;
    return columns;
}

Table tableOfDictionary(const Tpole &dictionary, bool withHeader) {
    Table table;
    table.reserve(dictionary.size() + 1);
    if (withHeader)
        table.append(headerRow());
    for (const Tslovniky &e : dictionary)
        table.append({e.ang, e.cz, phonetic::symbols(e.vyslovnost), e.zvuk});
    return table;
}

QString pronunciationFromSymbols(const QString &text) {
    QString keys = text;
    for (QChar &c : keys) {
        for (const SymbolKey &pair : kSymbolKeys) {
            if (c == QChar(pair.symbol)) {
                c = QChar(pair.key);
                break;
            }
        }
    }
    if (keys.isEmpty())
        return dictionaryfile::kNoPronunciation;
    if (!(keys.startsWith(u'[') && keys.endsWith(u']') && keys.size() >= 2))
        keys = u'[' + keys + u']';
    return keys;
}

QString soundBeside(const QString &reference, const QString &sourceFolder) {
    QString path = reference.trimmed();
    if (path.isEmpty() || path == dictionaryfile::kNoSound || sourceFolder.isEmpty())
        return {};
    if (path.startsWith(QStringLiteral("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (!url.isValid() || !url.isLocalFile())
            return {};
        path = url.toLocalFile();
    } else if (path.contains(QStringLiteral("://"))) {
        return {}; // an address on the net is no file beside the source
    }
    path = QDir::fromNativeSeparators(path);
    const QString folder = QDir::cleanPath(QDir(sourceFolder).absolutePath());
    const QString full = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : folder + u'/' + path);
    const QFileInfo info(full);
    if (!info.exists() || !info.isFile() || info.isSymLink())
        return {};
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QString realFile = info.canonicalFilePath();
    if (realFolder.isEmpty() || !realFile.startsWith(realFolder + u'/'))
        return {};
    return full;
}

QString fieldOf(const QString &text, bool meanings) {
    QString field = text;
    field.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : field) {
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    }
    if (meanings)
        field.replace(u';', u'+');
    else
        field.remove(u';');
    return field;
}

Result<Imported> dictionaryOfTable(const Table &table, const Columns &columns,
                                   const QString &sourceFolder) {
    if (columns.foreign < 0 || columns.czech < 0 || columns.foreign == columns.czech)
        return Failure{QStringLiteral("Vyberte dva různé sloupce: cizí a český výraz.")};
    Imported result;
    for (qsizetype i = columns.headerRow ? 1 : 0; i < table.size(); ++i) {
        const Row &row = table[i];
        Tslovniky e;
        e.ang = fieldOf(cell(row, columns.foreign), true);
        e.cz = fieldOf(cell(row, columns.czech), true);
        if (e.ang.trimmed().isEmpty() || e.cz.trimmed().isEmpty()) {
            result.skippedRows += e.ang.trimmed().isEmpty() && e.cz.trimmed().isEmpty() ? 0 : 1;
            continue;
        }
        e.vyslovnost =
            columns.pronunciation < 0
                ? dictionaryfile::kNoPronunciation
                : fieldOf(pronunciationFromSymbols(cell(row, columns.pronunciation)), false);
        e.zvuk = dictionaryfile::kNoSound;
        const QString sound = columns.sound < 0 ? QString() : cell(row, columns.sound);
        if (!sound.isEmpty() && sound != dictionaryfile::kNoSound) {
            const QString kept = soundBeside(sound, sourceFolder);
            if (kept.isEmpty() || kept.contains(u';') || !win1250::canEncode(kept))
                result.droppedSounds.append(sound);
            else
                e.zvuk = kept;
        }
        result.dictionary.append(e);
    }
    if (result.dictionary.isEmpty())
        return Failure{QStringLiteral("V souboru není žádný výraz s cizím i českým textem.")};
    return result;
}

QList<Replacement> unencodableCharacters(const Tpole &dictionary) {
    QList<Replacement> list;
    QHash<QString, qsizetype> index;
    const auto note = [&](const QString &character, char32_t code) {
        const auto found = index.constFind(character);
        if (found != index.cend()) {
            ++list[*found].count;
        } else {
            index.insert(character, list.size());
            list.append({character, replacementOf(code), 1});
        }
        return QString();
    };
    for (const Tslovniky &e : dictionary) {
        for (const QString *field : {&e.ang, &e.cz, &e.vyslovnost})
            mapUnencodable(*field, note);
    }
    return list;
}

Tpole withReplacements(const Tpole &dictionary) {
    Tpole result = dictionary;
    const auto replace = [](const QString &, char32_t code) { return replacementOf(code); };
    for (Tslovniky &e : result) {
        for (QString *field : {&e.ang, &e.cz, &e.vyslovnost})
            *field = mapUnencodable(*field, replace);
    }
    return result;
}

} // namespace exchange
