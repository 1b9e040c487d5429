#include "exchange/kvtml.h"

#include "core/textfile.h"
#include "dictionary/phonetic.h"
#include "exchange/records.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace exchange {
namespace {

struct Translation {
    QString text;
    QString pronunciation;
    QString sound;
    QString image;
    bool hasPronunciation = false;
};

struct Identifier {
    int id = -1;
    QString locale;
};

class Reader {
public:
    Reader(QByteArrayView bytes, const KvtmlLimits &limits)
        : m_xml(bytes.toByteArray()), m_limits(limits) {}

    // Reads the whole document; a refusal is Czech.
    Result<void> read() {
        while (!m_xml.atEnd()) {
            const auto token = m_xml.readNext();
            if (Result<void> checked = check(token); !checked)
                return checked;
            if (token == QXmlStreamReader::StartElement) {
                if (++m_depth > m_limits.depth)
                    return Failure{QStringLiteral("prvky jsou vnořeny hlouběji než %1 úrovní")
                                       .arg(m_limits.depth)};
                if (Result<void> started = start(); !started)
                    return started;
            } else if (token == QXmlStreamReader::EndElement) {
                end();
                --m_depth;
            } else if (token == QXmlStreamReader::Characters && m_field) {
                if (m_field->size() + m_xml.text().size() > m_limits.textChars)
                    return Failure{QStringLiteral("text na řádku %1 je delší než %2 znaků")
                                       .arg(m_xml.lineNumber())
                                       .arg(m_limits.textChars)};
                m_field->append(m_xml.text());
            }
        }
        if (m_xml.hasError())
            return Failure{QStringLiteral("soubor není platné XML (řádek %1: %2)")
                               .arg(m_xml.lineNumber())
                               .arg(m_xml.errorString())};
        if (!m_sawRoot)
            return Failure{QStringLiteral("není to slovník KVTML")};
        return {};
    }

    QString title;
    QList<Identifier> identifiers;
    QList<QHash<int, Translation>> entries;

private:
    Result<void> check(QXmlStreamReader::TokenType token) {
        if (token == QXmlStreamReader::DTD) {
            // KDE's files name the public document type; declarations of their own
            // (entities above all) are refused before anything uses them.
            if (!m_xml.entityDeclarations().isEmpty() || !m_xml.notationDeclarations().isEmpty() ||
                m_xml.text().contains(u'['))
                return Failure{
                    QStringLiteral("soubor definuje vlastní entity, takový se nenačítá")};
        }
        if (token == QXmlStreamReader::EntityReference)
            return Failure{QStringLiteral("soubor používá neznámou entitu „%1“ (řádek %2)")
                               .arg(m_xml.name().toString())
                               .arg(m_xml.lineNumber())};
        return {};
    }

    Result<void> start() {
        const QStringView name = m_xml.name();
        m_path.append(name.toString());
        if (m_depth == 1) {
            if (name != u"kvtml")
                return Failure{QStringLiteral("není to slovník KVTML")};
            const QString version = m_xml.attributes().value(QStringLiteral("version")).toString();
            if (!version.startsWith(QStringLiteral("2.")) && version != u"2")
                return Failure{QStringLiteral("je to KVTML verze %1, načíst lze jen verzi 2")
                                   .arg(version.isEmpty() ? QStringLiteral("1") : version)};
            m_sawRoot = true;
            return {};
        }
        if (within({u"kvtml", u"information", u"title"})) {
            m_field = &title;
        } else if (within({u"kvtml", u"identifiers", u"identifier"})) {
            bool ok = false;
            const int id = m_xml.attributes().value(QStringLiteral("id")).toInt(&ok);
            identifiers.append(Identifier{ok ? id : -1, {}});
        } else if (within({u"kvtml", u"identifiers", u"identifier", u"locale"}) &&
                   !identifiers.isEmpty()) {
            m_field = &identifiers.last().locale;
        } else if (within({u"kvtml", u"entries", u"entry"})) {
            if (entries.size() == m_limits.entries)
                return Failure{
                    QStringLiteral("slovník má více než %1 výrazů").arg(m_limits.entries)};
            entries.append(QHash<int, Translation>());
        } else if (within({u"kvtml", u"entries", u"entry", u"translation"}) && !entries.isEmpty()) {
            bool ok = false;
            const int id = m_xml.attributes().value(QStringLiteral("id")).toInt(&ok);
            m_translation = ok && !entries.last().contains(id) ? &entries.last()[id] : nullptr;
        } else if (m_translation && m_path.size() == 5 &&
                   within({u"kvtml", u"entries", u"entry", u"translation"}, 4)) {
            if (name == u"text") {
                m_field = &m_translation->text;
            } else if (name == u"pronunciation") {
                m_translation->hasPronunciation = true;
                m_field = &m_translation->pronunciation;
            } else if (name == u"sound") {
                m_field = &m_translation->sound;
            } else if (name == u"image") {
                m_field = &m_translation->image;
            }
        }
        if (m_field)
            m_field->clear();
        return {};
    }

    void end() {
        if (m_path.size() == 4 && m_path.last() == u"translation")
            m_translation = nullptr;
        m_field = nullptr;
        m_path.removeLast();
    }

    // Whether the open elements are the given path (its first `count` names only).
    bool within(std::initializer_list<QStringView> names, qsizetype count = -1) const {
        const qsizetype n = count < 0 ? qsizetype(names.size()) : count;
        if (count < 0 && m_path.size() != n)
            return false;
        if (m_path.size() < n)
            return false;
        qsizetype i = 0;
        for (const QStringView name : names) {
            if (i == n)
                break;
            if (m_path[i] != name)
                return false;
            ++i;
        }
        return true;
    }

    QXmlStreamReader m_xml;
    const KvtmlLimits &m_limits;
    QStringList m_path;
    qsizetype m_depth = 0;
    bool m_sawRoot = false;
    QString *m_field = nullptr;
    Translation *m_translation = nullptr;
};

QString soundReference(const QString &sound, const QString &targetFolder) {
    const QString folder = QDir::cleanPath(QDir(targetFolder).absolutePath());
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(sound));
    if (QDir::isAbsolutePath(path) && path.startsWith(folder + u'/'))
        return QUrl::toPercentEncoding(path.mid(folder.size() + 1), "/");
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

Result<KvtmlRead> parseKvtml(QByteArrayView bytes, const QString &sourceFolder,
                             const KvtmlLimits &limits) {
    if (bytes.size() > limits.fileBytes)
        return Failure{QStringLiteral("soubor je větší než %1 bajtů").arg(limits.fileBytes)};
    Reader reader(bytes, limits);
    if (Result<void> read = reader.read(); !read)
        return Failure{read.error()};
    QList<Identifier> languages;
    for (const Identifier &identifier : std::as_const(reader.identifiers)) {
        if (identifier.id >= 0 && languages.size() < 2)
            languages.append(identifier);
    }
    if (languages.size() < 2)
        return Failure{QStringLiteral("slovník nemá dva jazyky")};
    KvtmlRead result;
    const auto isCzech = [](const Identifier &identifier) {
        return identifier.locale.trimmed().toLower().startsWith(QStringLiteral("cs"));
    };
    if (isCzech(languages[0]) && !isCzech(languages[1]))
        std::swap(languages[0], languages[1]);
    const int foreignId = languages[0].id;
    const int czechId = languages[1].id;
    result.title = reader.title.trimmed();
    result.foreignLocale = languages[0].locale.trimmed();
    Tpole &dictionary = result.dictionary;
    for (const QHash<int, Translation> &entry : std::as_const(reader.entries)) {
        const Translation foreign = entry.value(foreignId);
        const Translation czech = entry.value(czechId);
        Tslovniky e;
        e.ang = fieldOf(foreign.text, true);
        e.cz = fieldOf(czech.text, true);
        if (e.ang.trimmed().isEmpty() || e.cz.trimmed().isEmpty()) {
            // An empty row of the peers' tables is no expression left out.
            result.skippedEntries += e.ang.trimmed().isEmpty() && e.cz.trimmed().isEmpty() ? 0 : 1;
            continue;
        }
        e.vyslovnost = foreign.hasPronunciation
                           ? fieldOf(pronunciationFromSymbols(foreign.pronunciation), false)
                           : dictionaryfile::kNoPronunciation;
        e.zvuk = dictionaryfile::kNoSound;
        if (!foreign.sound.trimmed().isEmpty()) {
            const QString kept = soundBeside(foreign.sound, sourceFolder);
            if (kept.isEmpty() || kept.contains(u';'))
                result.droppedSounds.append(foreign.sound.trimmed());
            else
                e.zvuk = kept;
        }
        QString picture;
        for (const Translation *translation : {&foreign, &czech}) {
            if (picture.isEmpty() && !translation->image.trimmed().isEmpty())
                picture = soundBeside(translation->image, sourceFolder);
        }
        dictionary.append(e);
        result.pictures.append(picture);
    }
    return result;
}

Result<KvtmlRead> readKvtmlFile(const QString &path, const KvtmlLimits &limits) {
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw)
        return Failure{raw.error()};
    Result<KvtmlRead> result = parseKvtml(*raw, QFileInfo(path).absolutePath(), limits);
    if (!result)
        return Failure{QStringLiteral("Slovník „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), result.error())};
    return result;
}

QByteArray kvtmlBytes(const Tpole &dictionary, const QString &title, const QString &foreignLocale,
                      const QString &targetFolder, const QStringList &pictures) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Vokab"));
    xml.writeTextElement(QStringLiteral("title"), title);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    const QString names[2] = {QStringLiteral("Cizí jazyk"), QStringLiteral("Čeština")};
    const QString locales[2] = {foreignLocale, QStringLiteral("cs")};
    for (int id = 0; id < 2; ++id) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        xml.writeTextElement(QStringLiteral("name"), names[id]);
        xml.writeTextElement(QStringLiteral("locale"), locales[id]);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("entries"));
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        const Tslovniky &e = dictionary[i];
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("text"), e.ang);
        if (e.vyslovnost != dictionaryfile::kNoPronunciation) {
            QString shown = e.vyslovnost;
            if (shown.startsWith(u'[') && shown.endsWith(u']') && shown.size() >= 2)
                shown = shown.mid(1, shown.size() - 2);
            xml.writeTextElement(QStringLiteral("pronunciation"), phonetic::symbols(shown));
        }
        if (e.zvuk != dictionaryfile::kNoSound && !e.zvuk.isEmpty())
            xml.writeTextElement(QStringLiteral("sound"), soundReference(e.zvuk, targetFolder));
        if (const QString picture = pictures.value(i); !picture.isEmpty())
            xml.writeTextElement(QStringLiteral("image"), soundReference(picture, targetFolder));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("translation"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
        xml.writeTextElement(QStringLiteral("text"), e.cz);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("lessons"));
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), title);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace exchange
