#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// WAV files of the recorded pronunciations: the header facts that give a sound's
// length, the name a recording gets, and the PCM file the recorder writes. Every
// reader takes the bytes it has and never reads past them.
namespace wav {

// The facts of a WAV header that the length is computed from.
struct HeaderFacts {
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 bytesPerSecond = 0;
    quint32 sampleCount = 0; // 0 for a plain PCM file ("data" at byte 36)
    quint32 headerSize = 0;
    quint64 fileSize = 0; // as the header states it: the RIFF size plus 8
};

// The header facts of a file's bytes (its first bytes suffice, 40 for a plain PCM
// file), or nothing when the bytes are not a WAV header with one or two channels:
// "RIFF" at 0, "WAVE" at 8, "fmt " at 12. A value that lies beyond the bytes given
// makes the header invalid.
std::optional<HeaderFacts> readHeader(QByteArrayView bytes);

// The header facts of a file from its first bytes; nothing when the file cannot be
// read or its header is not valid.
std::optional<HeaderFacts> readHeaderOfFile(const QString &path);

// The length in seconds: (file size - header size) / bytes per second for a PCM file,
// sample count / sample rate otherwise, 0 when the divisor is 0.
double lengthSeconds(const HeaderFacts &facts);

// The length with one decimal and the given decimal separator, no leading zero
// forced: 2.0 -> "2,0", 0.46 -> ",5".
QString lengthText(double seconds, QChar decimalSeparator);

// The file-name substitution of a sound path: "?" -> "1", "!" -> "2", "*" -> "3".
QString substituteName(const QString &path);

// The recording path of a foreign expression in `tempFolder` (ending with a
// separator): the expression plus ".wav", after the substitution. A "/" or "\" in the
// expression becomes "_", so the recording always stays in `tempFolder`.
QString recordingPath(const QString &tempFolder, const QString &expression);

// The audio of a WAV file as a player needs it.
struct Audio {
    quint16 format = 0; // 1 integer PCM, 3 floating point
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
    qsizetype dataOffset = 0;
    qsizetype dataSize = 0; // cut to the bytes present
};
// Walks the chunks of a whole WAV file for its format and its data; nothing for a file
// that is not PCM or floating-point WAV with a "fmt " chunk before a "data" chunk.
std::optional<Audio> readAudio(QByteArrayView file);

// A complete PCM WAV file (44-byte header, "data" at byte 36) around the samples.
// `floatingPoint` marks 32-bit float samples.
QByteArray pcmFile(QByteArrayView samples, quint32 sampleRate, quint16 channels,
                   quint16 bitsPerSample, bool floatingPoint = false);

} // namespace wav
