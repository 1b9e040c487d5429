#pragma once

#include <QChar>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

// The pieces of a text cut at a separator.
using trozdelenenac = QStringList;

// Cuts the text at every separator. The result always has one piece more than the
// text has separators; nothing is trimmed and two separators in a row give an empty
// piece.
trozdelenenac rozreteznac(QStringView text, QChar separator);

// The sequence without the element at `index`; an index at or beyond the end removes
// nothing. The caller's sequence is not changed; one handed over (std::move) is changed
// in place instead of copied, as a million records deserve.
template <typename Sequence> Sequence UberZPole(Sequence sequence, qsizetype index) {
    if (index >= 0 && index < qsizetype(sequence.size()))
        sequence.erase(sequence.begin() + index);
    return sequence;
}
