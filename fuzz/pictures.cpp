// Picture lists: any bytes read as the picture file beside a dictionary. What is read is
// written back and reads again as the same list, byte for byte the second time; every
// file a read list names is a bare picture name in the sound folder. The reader's limits
// are fuzzed too: small limits taken from the input's first bytes make every refusal
// reachable.
#include "check.h"
#include "harnesses.h"

#include "dictionary/picturefile.h"

namespace {

void checkRead(QByteArrayView bytes, const picturefile::Limits &limits) {
    const Result<picturefile::Pictures> read = picturefile::parsePictures(bytes, limits);
    if (bytes.contains('\0') || bytes.size() > limits.fileBytes + 3)
        FUZZ_CHECK(!read);
    if (!read)
        return;
    for (const QString &file : read->files) {
        FUZZ_CHECK(picturefile::isPictureName(file));
        FUZZ_CHECK(!file.contains(u'/') && !file.contains(u'\\') && !file.startsWith(u'.'));
    }
    const QByteArray written = picturefile::picturesBytes(*read);
    const Result<picturefile::Pictures> again = picturefile::parsePictures(written);
    FUZZ_CHECK(again && *again == *read);
    FUZZ_CHECK(picturefile::picturesBytes(*again) == written);
}

} // namespace

int fuzzPictures(const std::uint8_t *data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size >= 3) {
        picturefile::Limits small;
        small.lineBytes = 1 + data[0] % 128;
        small.lines = 1 + data[1] % 16;
        small.fileBytes = 1 + data[2] % 255;
        checkRead(bytes.sliced(3), small);
    }
    checkRead(bytes, {});
    return 0;
}
