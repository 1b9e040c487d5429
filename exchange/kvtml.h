#pragma once

#include "core/result.h"
#include "dictionary/slovnik.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// KVTML 2.0, the XML vocabulary files of KWordQuiz and Parley.
namespace exchange {

struct KvtmlLimits {
    qint64 fileBytes = qint64(64) << 20;
    qsizetype entries = 2'000'000;
    qsizetype textChars = 4096;
    qsizetype depth = 32;
};

struct KvtmlRead {
    Tpole dictionary;
    QString title;
    QString foreignLocale;        // the foreign language's locale ("en"), when the file names it
    qsizetype skippedEntries = 0; // entries with only one of the foreign and Czech texts
    QStringList droppedSounds;    // sound references that name no file beside the vocabulary
    // One per expression of `dictionary`: its picture (the foreign translation's image,
    // else the Czech one's) when it names an existing file in the vocabulary's folder or
    // below it, as sounds are kept; else empty.
    QStringList pictures;
};

// Reads a vocabulary (untrusted: never throws; refuses a document type with its own
// declarations, any entity other than XML's five, what passes the limits, and what is no
// KVTML 2). Of its languages the first two count: the one whose locale is Czech ("cs")
// is the Czech side, otherwise the first is the foreign side. Each entry's translations
// give the texts, the foreign pronunciation (in brackets, phonetic symbols as the keys
// of Vokab's font) and the foreign sound, kept only when it names an existing file in
// `sourceFolder` or below it. Texts pass through exchange::fieldOf. A refusal is Czech.
Result<KvtmlRead> parseKvtml(QByteArrayView bytes, const QString &sourceFolder,
                             const KvtmlLimits &limits = {});
// The same for a file; the message names it.
Result<KvtmlRead> readKvtmlFile(const QString &path, const KvtmlLimits &limits = {});

// A vocabulary file of the dictionary that KWordQuiz and Parley open: two languages (the
// foreign one with `foreignLocale`, then Czech), one entry per expression in one lesson
// named by the title. Pronunciations lose their brackets and show the phonetic symbols;
// a sound ("NENÍ": none) is written relative to `targetFolder` when it lies in it or
// below, otherwise as a file: address. `pictures`, when given, holds one picture file per
// expression (empty: none), written as the foreign translation's image as sounds are.
QByteArray kvtmlBytes(const Tpole &dictionary, const QString &title, const QString &foreignLocale,
                      const QString &targetFolder, const QStringList &pictures = {});

} // namespace exchange
