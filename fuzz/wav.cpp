// WAV files: any bytes read as a header and as audio; what the readers report lies
// within the bytes they were given.
#include "check.h"
#include "harnesses.h"

#include "core/wav.h"

#include <cmath>

int fuzzWav(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<wav::HeaderFacts> facts = wav::readHeader(bytes)) {
        FUZZ_CHECK(facts->channels == 1 || facts->channels == 2);
        FUZZ_CHECK(facts->headerSize <= facts->fileSize);
        const double seconds = wav::lengthSeconds(*facts);
        FUZZ_CHECK(std::isfinite(seconds) && seconds >= 0.0);
        FUZZ_CHECK(!wav::lengthText(seconds, u',').isEmpty());
    }
    if (const std::optional<wav::Audio> audio = wav::readAudio(bytes)) {
        FUZZ_CHECK(audio->dataOffset >= 12 && audio->dataSize >= 0);
        FUZZ_CHECK(audio->dataOffset + audio->dataSize <= bytes.size());
        FUZZ_CHECK(audio->channels > 0 && audio->sampleRate > 0);
        // A file written from the samples reads back as the same audio.
        const QByteArray again =
            wav::pcmFile(bytes.sliced(audio->dataOffset, audio->dataSize), audio->sampleRate,
                         audio->channels, audio->bitsPerSample, audio->format == 3);
        const std::optional<wav::Audio> reread = wav::readAudio(again);
        FUZZ_CHECK(reread && reread->dataSize == audio->dataSize);
    }
    return 0;
}
