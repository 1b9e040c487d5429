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
// nothing. The input is not changed.
template <typename Sequence> Sequence UberZPole(const Sequence &sequence, qsizetype index) {
    Sequence result;
    result.reserve(sequence.size());
    for (qsizetype i = 0; i < qsizetype(sequence.size()); ++i) {
        if (i != index)
            result.push_back(sequence[i]);
    }
    return result;
}
