#include "review/reviewfile.h"

#include "core/paths.h"
#include "core/textfile.h"
#include "dictionary/slovnik.h"

#include <QDir>
#include <QStringDecoder>

#include <cmath>
#include <utility>

namespace review {
namespace {

const QByteArray kHeader = QByteArrayLiteral("VOKAB-PLAN ");
const QString kEntryTag = QStringLiteral("E");
constexpr int kEntryFields = 11;

QString escaped(const QString &text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            result += QStringLiteral("\\\\");
            break;
        case u'\t':
            result += QStringLiteral("\\t");
            break;
        case u'\r':
            result += QStringLiteral("\\r");
            break;
        case u'\n':
            result += QStringLiteral("\\n");
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::optional<QString> unescaped(QStringView text) {
    if (!text.contains(u'\\'))
        return text.toString();
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            result += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'\\':
            result += u'\\';
            break;
        case u't':
            result += u'\t';
            break;
        case u'r':
            result += u'\r';
            break;
        case u'n':
            result += u'\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return result;
}

QString dayText(QDate day) {
    return day.toString(Qt::ISODate);
}

// Days of a review, far enough from the end of the calendar that the longest interval
// added to one still gives a due day that can be written.
const QDate kEarliestDay(1900, 1, 1);
const QDate kLatestReview(8999, 12, 31);
const QDate kLatestDue(9999, 12, 31);

// The day of "YYYY-MM-DD" as the plan writes it, read without the general date parser
// (a plan holds three days a line); anything else is left to it.
QDate isoDay(QStringView text) {
    const auto digit = [&](qsizetype i) { return text[i].unicode() - u'0'; };
    const auto isDigit = [&](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9'; };
    if (text.size() == 10 && text[4] == u'-' && text[7] == u'-' && isDigit(0) && isDigit(1) &&
        isDigit(2) && isDigit(3) && isDigit(5) && isDigit(6) && isDigit(8) && isDigit(9))
        return QDate(digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3),
                     digit(5) * 10 + digit(6), digit(8) * 10 + digit(9));
    return QDate::fromString(text, Qt::ISODate);
}

std::optional<QDate> dayOf(QStringView text, QDate latest) {
    const QDate day = isoDay(text);
    if (!day.isValid() || day < kEarliestDay || day > latest)
        return std::nullopt;
    return day;
}

std::optional<double> numberOf(QStringView text, double low, double high) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int> countOf(QStringView text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// An expression's line, or nothing when the line is not one this version writes.
std::optional<Entry> entryOf(QStringView line) {
    const QList<QStringView> f = line.split(u'\t');
    if (f.size() != kEntryFields || f[0] != kEntryTag)
        return std::nullopt;
    const std::optional<QString> foreign = unescaped(f[1]);
    const std::optional<QString> czech = unescaped(f[2]);
    const std::optional<QDate> due = dayOf(f[4], kLatestDue);
    const std::optional<QDate> last = dayOf(f[5], kLatestReview);
    const std::optional<QDate> first = dayOf(f[6], kLatestReview);
    const std::optional<double> stability =
        numberOf(f[7], Parameters::kMinimumStability, Parameters::kMaximumStability);
    const std::optional<double> difficulty = numberOf(f[8], 1, 10);
    const std::optional<int> reps = countOf(f[9]);
    const std::optional<int> lapses = countOf(f[10]);
    State state;
    if (f[3] == u"learning")
        state = State::Learning;
    else if (f[3] == u"known")
        state = State::Known;
    else
        return std::nullopt;
    if (!foreign || !czech || !due || !last || !first || !stability || !difficulty || !reps ||
        !lapses || *reps < 1)
        return std::nullopt;
    return Entry{{*foreign, *czech},
                 {state, *stability, *difficulty, *due, *last, *first, *reps, *lapses}};
}

QString lineOf(const Entry &e) {
    const Memory &m = e.memory;
    return QStringList{kEntryTag,
                       escaped(e.key.foreign),
                       escaped(e.key.czech),
                       m.state == State::Learning ? QStringLiteral("learning")
                                                  : QStringLiteral("known"),
                       dayText(m.due),
                       dayText(m.lastReview),
                       dayText(m.firstReview),
                       QString::number(m.stability, 'g', QLocale::FloatingPointShortest),
                       QString::number(m.difficulty, 'g', QLocale::FloatingPointShortest),
                       QString::number(m.reps),
                       QString::number(m.lapses)}
        .join(u'\t');
}

} // namespace

size_t qHash(const Key &key, size_t seed) noexcept {
    return qHashMulti(seed, key.foreign, key.czech);
}

Key keyOf(const Tslovniky &expression) {
    return {expression.ang, expression.cz};
}

Memory Plan::memoryOf(const Key &key) const {
    const auto found = m_index.constFind(key);
    return found == m_index.cend() ? Memory{} : m_entries[*found].memory;
}

void Plan::set(const Key &key, const Memory &memory) {
    if (memory.state == State::New) {
        forget(key);
        return;
    }
    const auto found = m_index.constFind(key);
    if (found != m_index.cend()) {
        m_entries[*found].memory = memory;
        return;
    }
    m_index.insert(key, m_entries.size());
    m_entries.append({key, memory});
}

void Plan::forget(const Key &key) {
    if (m_index.contains(key))
        removeIf([&](const Entry &e) { return e.key == key; });
}

qsizetype Plan::forgetRemoved(const QSet<Key> &keep, QDate today) {
    return removeIf([&](const Entry &e) {
        return !keep.contains(e.key) && e.memory.lastReview.daysTo(today) > kKeepRemovedDays;
    });
}

qsizetype Plan::removeIf(const std::function<bool(const Entry &)> &condition) {
    const qsizetype removed = m_entries.removeIf(condition);
    m_index.clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        m_index.insert(m_entries[i].key, i);
    return removed;
}

QString planPath(const QString &dictionaryPath) {
    const QString name = paths::fileNamePart(dictionaryPath);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return paths::folderPart(dictionaryPath) + base + QStringLiteral(".vkp");
}

PlanReadResult parsePlan(QByteArrayView bytes, const PlanLimits &limits) {
    PlanReadResult result;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.contains('\0')) {
        result.error = QStringLiteral("soubor obsahuje nulové bajty, není to plán opakování");
        return result;
    }
    const textfile::LineCount counted = textfile::countLines(bytes, limits.lineBytes, limits.lines);
    if (!counted.error.isEmpty()) {
        result.error = counted.error;
        return result;
    }
    const qsizetype count = counted.count;
    const QByteArrayView header = counted.first;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        result.error = QStringLiteral("soubor není v kódování UTF-8");
        return result;
    }
    result.plan.emplace();
    if (count == 0)
        return result;
    bool versionOk = false;
    const int version = header.startsWith(kHeader)
                            ? header.sliced(kHeader.size()).toByteArray().toInt(&versionOk)
                            : 0;
    if (!versionOk || version < 1) {
        result.plan.reset();
        result.error = QStringLiteral("chybí záhlaví plánu opakování programu Vokab");
        return result;
    }
    if (version > kPlanVersion) {
        result.plan.reset();
        result.error =
            QStringLiteral("plán je uložen novější verzí programu (formát %1, tato verze zná %2)")
                .arg(version)
                .arg(kPlanVersion);
        return result;
    }
    Plan &plan = *result.plan;
    bool first = true;
    textfile::forEachLine(QStringView(text), [&](QStringView view) {
        if (view.isEmpty())
            return;
        if (std::exchange(first, false))
            return; // the header
        const std::optional<Entry> entry = entryOf(view);
        if (!entry) {
            plan.keepOtherLine(view.toString());
            return;
        }
        // Of two lines of one expression the later review wins (a plan never holds a new
        // memory, so a new one is an expression not seen yet).
        const Memory before = plan.memoryOf(entry->key);
        if (before.state == State::New || before.lastReview <= entry->memory.lastReview)
            plan.set(entry->key, entry->memory);
    });
    return result;
}

PlanReadResult readPlanFile(const QString &path, const PlanLimits &limits) {
    const textfile::ReadResult raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw.bytes)
        return {std::nullopt, raw.error};
    PlanReadResult result = parsePlan(*raw.bytes, limits);
    if (!result.plan)
        result.error = QStringLiteral("Plán opakování „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), result.error);
    return result;
}

QByteArray planBytes(const Plan &plan) {
    QByteArray bytes = kHeader + QByteArray::number(kPlanVersion) + "\r\n";
    for (const QString &line : plan.otherLines())
        bytes += line.toUtf8() + "\r\n";
    for (const Entry &entry : plan.entries())
        bytes += lineOf(entry).toUtf8() + "\r\n";
    return bytes;
}

textfile::SaveResult writePlanFile(const QString &path, const Plan &plan) {
    return textfile::saveFile(path, planBytes(plan));
}

} // namespace review
