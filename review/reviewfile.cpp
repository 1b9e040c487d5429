#include "review/reviewfile.h"

#include "core/escapes.h"
#include "core/paths.h"
#include "core/textfile.h"
#include "dictionary/slovnik.h"

#include <QDir>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <future>
#include <utility>

namespace review {
namespace {

const QByteArray kHeader = QByteArrayLiteral("VOKAB-PLAN ");
constexpr QByteArrayView kEntryTag = "E";
constexpr QByteArrayView kSuspendedTag = "S";
constexpr int kEntryFields = 11;

// The text of a field: its escapes undone (they are ASCII, so this works on the UTF-8
// bytes), then decoded by `utf8`, which remembers any byte that is not UTF-8.
std::optional<QString> textOf(QByteArrayView field, QStringDecoder &utf8) {
    // Most texts of a plan are ASCII (every foreign one in English): they need neither the
    // decoder nor its check, which cost more than the rest of the line.
    if (std::all_of(field.begin(), field.end(), [](char c) { return uchar(c) < 0x80; }) &&
        !field.contains('\\'))
        return QString::fromLatin1(field);
    if (!field.contains('\\'))
        return utf8.decode(field);
    const std::optional<QByteArray> bytes = escapes::undone(field);
    if (!bytes)
        return std::nullopt;
    return utf8.decode(*bytes);
}

// Appends a day as 2024-03-01 (the plan's days lie between the years 1900 and 9999).
void appendDay(QByteArray &out, QDate day) {
    int year = 0, month = 0, dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    const char text[10] = {char('0' + year / 1000),
                           char('0' + year / 100 % 10),
                           char('0' + year / 10 % 10),
                           char('0' + year % 10),
                           '-',
                           char('0' + month / 10),
                           char('0' + month % 10),
                           '-',
                           char('0' + dayOfMonth / 10),
                           char('0' + dayOfMonth % 10)};
    out.append(text, sizeof text);
}

// Days of a review, far enough from the end of the calendar that the longest interval
// added to one still gives a due day that can be written.
const QDate kEarliestDay(1900, 1, 1);
const QDate kLatestReview(8999, 12, 31);
const QDate kLatestDue(9999, 12, 31);

// The day of "YYYY-MM-DD" as the plan writes it, nothing else.
std::optional<QDate> dayOf(QByteArrayView text, QDate latest) {
    const auto isDigit = [&](qsizetype i) { return text[i] >= '0' && text[i] <= '9'; };
    const auto digit = [&](qsizetype i) { return text[i] - '0'; };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !isDigit(0) || !isDigit(1) ||
        !isDigit(2) || !isDigit(3) || !isDigit(5) || !isDigit(6) || !isDigit(8) || !isDigit(9))
        return std::nullopt;
    const QDate day(digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3),
                    digit(5) * 10 + digit(6), digit(8) * 10 + digit(9));
    if (!day.isValid() || day < kEarliestDay || day > latest)
        return std::nullopt;
    return day;
}

// A whole field as a number of type T (no blanks, no sign for a count), or nothing.
template <typename T> std::optional<T> numberOf(QByteArrayView text) {
    T value{};
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<double> numberOf(QByteArrayView text, double low, double high) {
    const std::optional<double> value = numberOf<double>(text);
    if (!value || !std::isfinite(*value) || *value < low || *value > high)
        return std::nullopt;
    return value;
}

std::optional<int> countOf(QByteArrayView text) {
    const std::optional<int> value = numberOf<int>(text);
    if (!value || *value < 0)
        return std::nullopt;
    return value;
}

// The tab-separated fields of a line, when it has exactly `count` of them.
template <size_t count>
std::optional<std::array<QByteArrayView, count>> fieldsOf(QByteArrayView line) {
    std::array<QByteArrayView, count> fields;
    qsizetype start = 0;
    for (size_t n = 0; n + 1 < count; ++n) {
        const qsizetype tab = line.indexOf('\t', start);
        if (tab < 0)
            return std::nullopt;
        fields[n] = line.sliced(start, tab - start);
        start = tab + 1;
    }
    fields[count - 1] = line.sliced(start);
    if (fields[count - 1].contains('\t'))
        return std::nullopt;
    return fields;
}

// An expression's line, or nothing when the line is not one this version writes.
std::optional<Entry> entryOf(QByteArrayView line, QStringDecoder &utf8) {
    const auto fields = fieldsOf<kEntryFields>(line);
    if (!fields || (*fields)[0] != kEntryTag)
        return std::nullopt;
    const std::array<QByteArrayView, kEntryFields> &f = *fields;
    State state;
    if (f[3] == "learning")
        state = State::Learning;
    else if (f[3] == "known")
        state = State::Known;
    else
        return std::nullopt;
    const std::optional<QDate> due = dayOf(f[4], kLatestDue);
    const std::optional<QDate> last = dayOf(f[5], kLatestReview);
    const std::optional<QDate> first = dayOf(f[6], kLatestReview);
    const std::optional<double> stability =
        numberOf(f[7], Parameters::kMinimumStability, Parameters::kMaximumStability);
    const std::optional<double> difficulty = numberOf(f[8], 1, 10);
    const std::optional<int> reps = countOf(f[9]);
    const std::optional<int> lapses = countOf(f[10]);
    if (!due || !last || !first || !stability || !difficulty || !reps || !lapses || *reps < 1)
        return std::nullopt;
    std::optional<QString> foreign = textOf(f[1], utf8);
    std::optional<QString> czech = textOf(f[2], utf8);
    if (!foreign || !czech)
        return std::nullopt;
    return Entry{{std::move(*foreign), std::move(*czech)},
                 {state, *stability, *difficulty, *due, *last, *first, *reps, *lapses}};
}

// The expression of a line that sets it aside, or nothing when the line is not one.
std::optional<Key> suspendedOf(QByteArrayView line, QStringDecoder &utf8) {
    const auto fields = fieldsOf<3>(line);
    if (!fields || (*fields)[0] != kSuspendedTag)
        return std::nullopt;
    std::optional<QString> foreign = textOf((*fields)[1], utf8);
    std::optional<QString> czech = textOf((*fields)[2], utf8);
    if (!foreign || !czech)
        return std::nullopt;
    return Key{std::move(*foreign), std::move(*czech)};
}

// Below this many lines a second thread does not pay for itself.
constexpr qsizetype kSharedReadingFrom = 20'000;

// The entries and the other lines of a run of whole lines of a plan, in file order.
struct PlanLines {
    QList<Entry> entries;
    // Each with its line, kept as another line when the plan does not hold it.
    QList<std::pair<Key, QString>> suspended;
    QStringList otherLines;
    bool notUtf8 = false;
};

PlanLines planLines(QByteArrayView bytes, qsizetype expected) {
    // The decoder sees every text and remembers a byte that is not UTF-8 (fields that are
    // not texts must be ASCII to be read). Each text is decoded on its own: a byte-order
    // mark at its start is a character of it, not the mark of a file to be dropped.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    PlanLines lines;
    lines.entries.reserve(expected);
    textfile::forEachLine(bytes, [&](QByteArrayView line) {
        if (line.isEmpty())
            return;
        if (std::optional<Entry> entry = entryOf(line, utf8))
            lines.entries.append(std::move(*entry));
        else if (std::optional<Key> suspended = suspendedOf(line, utf8))
            lines.suspended.append({std::move(*suspended), utf8.decode(line)});
        else
            lines.otherLines.append(utf8.decode(line));
    });
    lines.notUtf8 = utf8.hasError();
    return lines;
}

void appendLine(QByteArray &out, const Entry &e) {
    const Memory &m = e.memory;
    out.append(kEntryTag);
    out += '\t';
    escapes::append(out, e.key.foreign);
    out += '\t';
    escapes::append(out, e.key.czech);
    out += m.state == State::Learning ? "\tlearning\t" : "\tknown\t";
    appendDay(out, m.due);
    out += '\t';
    appendDay(out, m.lastReview);
    out += '\t';
    appendDay(out, m.firstReview);
    out += '\t';
    out += QByteArray::number(m.stability, 'g', QLocale::FloatingPointShortest);
    out += '\t';
    out += QByteArray::number(m.difficulty, 'g', QLocale::FloatingPointShortest);
    out += '\t';
    out += QByteArray::number(m.reps);
    out += '\t';
    out += QByteArray::number(m.lapses);
    out += "\r\n";
    if (e.suspended) {
        out.append(kSuspendedTag);
        out += '\t';
        escapes::append(out, e.key.foreign);
        out += '\t';
        escapes::append(out, e.key.czech);
        out += "\r\n";
    }
}

} // namespace

size_t qHash(const Key &key, size_t seed) noexcept {
    return qHashMulti(seed, key.foreign, key.czech);
}

Key keyOf(const Tslovniky &expression) {
    return {expression.ang, expression.cz};
}

Memory Plan::memoryOf(const Key &key) const {
    const qsizetype index = indexOf(key.foreign, key.czech);
    return index < 0 ? Memory{} : m_entries[index].memory;
}

size_t Plan::hashOf(QStringView foreign, QStringView czech) const {
    return qHashMulti(m_seed, foreign, czech);
}

size_t Plan::slotOf(QStringView foreign, QStringView czech, size_t hash) const {
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.entry < 0)
            return i;
        if (slot.hash != hash)
            continue;
        const Key &key = m_entries[slot.entry].key;
        if (key.foreign.size() == foreign.size() && key.czech.size() == czech.size() &&
            key.foreign == foreign && key.czech == czech)
            return i;
    }
}

void Plan::append(Key key, const Memory &memory, size_t slot, size_t hash) {
    m_slots[slot] = {hash, m_entries.size()};
    m_entries.append({std::move(key), memory});
    // At most half the slots are taken, so a look-up soon meets an empty one.
    if (m_entries.size() * 2 > qsizetype(m_slots.size()))
        resizeTable(m_entries.size());
}

void Plan::resizeTable(qsizetype count) {
    size_t size = 16;
    while (size < size_t(count) * 2 + 2)
        size *= 2;
    if (size <= m_slots.size())
        return;
    std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(size));
    const size_t mask = size - 1;
    for (const Slot &slot : old) {
        if (slot.entry < 0)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].entry >= 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

void Plan::set(const Key &key, const Memory &memory) {
    if (memory.state == State::New) {
        forget(key);
        return;
    }
    resizeTable(m_entries.size() + 1);
    const size_t hash = hashOf(key.foreign, key.czech);
    const size_t slot = slotOf(key.foreign, key.czech, hash);
    if (m_slots[slot].entry >= 0)
        m_entries[m_slots[slot].entry].memory = memory;
    else
        append(key, memory, slot, hash);
}

void Plan::setUnlessLater(Key key, const Memory &memory) {
    resizeTable(m_entries.size() + 1);
    const size_t hash = hashOf(key.foreign, key.czech);
    const size_t slot = slotOf(key.foreign, key.czech, hash);
    const qsizetype index = m_slots[slot].entry;
    if (index < 0)
        append(std::move(key), memory, slot, hash);
    else if (m_entries[index].memory.lastReview <= memory.lastReview)
        m_entries[index].memory = memory;
}

void Plan::reserve(qsizetype count) {
    m_entries.reserve(count);
    resizeTable(count);
}

qsizetype Plan::indexOf(const QString &foreign, const QString &czech) const {
    if (m_slots.empty())
        return -1;
    return m_slots[slotOf(foreign, czech, hashOf(foreign, czech))].entry;
}

void Plan::restore(const Key &key, const std::optional<Memory> &memory) {
    if (!memory) {
        forget(key);
        return;
    }
    resizeTable(m_entries.size() + 1);
    const size_t hash = hashOf(key.foreign, key.czech);
    const size_t slot = slotOf(key.foreign, key.czech, hash);
    if (m_slots[slot].entry >= 0)
        m_entries[m_slots[slot].entry].memory = *memory;
    else
        append(key, *memory, slot, hash);
}

std::optional<Memory> Plan::heldMemoryOf(const Key &key) const {
    const qsizetype index = indexOf(key.foreign, key.czech);
    if (index < 0)
        return std::nullopt;
    return m_entries[index].memory;
}

bool Plan::setSuspended(const Key &key, bool suspended) {
    const qsizetype index = indexOf(key.foreign, key.czech);
    if (index < 0)
        return false;
    m_entries[index].suspended = suspended;
    return true;
}

void Plan::forget(const Key &key) {
    const qsizetype index = indexOf(key.foreign, key.czech);
    if (index < 0)
        return;
    m_entries.remove(index);
    reindex();
}

qsizetype Plan::forgetRemoved(const QList<bool> &inDictionary, QDate today) {
    const auto removed = [&](qsizetype i) {
        return !inDictionary.value(i) &&
               m_entries[i].memory.lastReview.daysTo(today) > kKeepRemovedDays;
    };
    qsizetype count = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        count += removed(i) ? 1 : 0;
    if (count == 0)
        return 0;
    QList<Entry> kept;
    kept.reserve(m_entries.size() - count);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!removed(i))
            kept.append(m_entries[i]);
    }
    m_entries = std::move(kept);
    reindex();
    return count;
}

void Plan::reindex() {
    m_slots.clear();
    resizeTable(m_entries.size());
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const Key &key = m_entries[i].key;
        const size_t hash = hashOf(key.foreign, key.czech);
        m_slots[slotOf(key.foreign, key.czech, hash)] = {hash, i};
    }
}

QString planPath(const QString &dictionaryPath) {
    const QString name = paths::fileNamePart(dictionaryPath);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return paths::folderPart(dictionaryPath) + base + QStringLiteral(".vkp");
}

Result<Plan> parsePlan(QByteArrayView bytes, const PlanLimits &limits) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.contains('\0'))
        return Failure{QStringLiteral("soubor obsahuje nulové bajty, není to plán opakování")};
    const Result<textfile::LineCount> counted =
        textfile::countLines(bytes, limits.lineBytes, limits.lines);
    if (!counted)
        return Failure{counted.error()};
    const qsizetype count = counted->count;
    const QByteArrayView header = counted->first;
    if (count == 0)
        return Plan();
    bool versionOk = false;
    const int version = header.startsWith(kHeader)
                            ? header.sliced(kHeader.size()).toByteArray().toInt(&versionOk)
                            : 0;
    if (!versionOk || version < 1)
        return Failure{QStringLiteral("chybí záhlaví plánu opakování programu Vokab")};
    if (version > kPlanVersion)
        return Failure{
            QStringLiteral("plán je uložen novější verzí programu (formát %1, tato verze zná %2)")
                .arg(version)
                .arg(kPlanVersion)};
    // A large plan's lines are read in two halves at once (the window reads the dictionary
    // meanwhile); the entries are then taken in file order, as one reading would.
    const QByteArrayView body = bytes.sliced(header.data() + header.size() - bytes.data());
    std::vector<PlanLines> parts;
    if (count < kSharedReadingFrom) {
        parts.push_back(planLines(body, count));
    } else {
        const qsizetype lf = body.indexOf('\n', body.size() / 2);
        const qsizetype middle = lf < 0 ? body.size() : lf + 1;
        std::future<PlanLines> second =
            std::async(std::launch::async, planLines, body.sliced(middle), count / 2 + 1);
        parts.push_back(planLines(body.first(middle), count / 2 + 1));
        parts.push_back(second.get());
    }
    Plan plan;
    plan.reserve(count);
    for (PlanLines &part : parts) {
        if (part.notUtf8)
            return Failure{QStringLiteral("soubor není v kódování UTF-8")};
        for (Entry &entry : part.entries)
            plan.setUnlessLater(std::move(entry.key), entry.memory);
        for (const QString &line : std::as_const(part.otherLines))
            plan.keepOtherLine(line);
    }
    for (const PlanLines &part : parts) {
        for (const auto &[key, line] : part.suspended) {
            if (!plan.setSuspended(key, true))
                plan.keepOtherLine(line);
        }
    }
    return plan;
}

Result<Plan> readPlanFile(const QString &path, const PlanLimits &limits) {
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    if (!raw)
        return Failure{raw.error()};
    Result<Plan> result = parsePlan(*raw, limits);
    if (!result)
        return Failure{QStringLiteral("Plán opakování „%1“ nelze načíst: %2.")
                           .arg(QDir::toNativeSeparators(path), result.error())};
    return result;
}

QByteArray planBytes(const Plan &plan) {
    QByteArray bytes = kHeader + QByteArray::number(kPlanVersion) + "\r\n";
    bytes.reserve(bytes.size() + plan.entries().size() * 96);
    for (const QString &line : plan.otherLines())
        bytes += line.toUtf8() + "\r\n";
    for (const Entry &entry : plan.entries())
        appendLine(bytes, entry);
    return bytes;
}

Result<void> writePlanFile(const QString &path, const Plan &plan) {
    return textfile::saveFile(path, planBytes(plan));
}

} // namespace review
