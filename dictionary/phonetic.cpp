#include "dictionary/phonetic.h"

#include <cstddef>

namespace phonetic {

QString symbols(QStringView pronunciation) {
    // The same table as the font's (tools/make_font.py).
    static constexpr char16_t keys[] = u"0123456789!@";
    static constexpr char16_t drawn[] = u"θɪʊʒæʃðʌŋɒɔə";
    QString result = pronunciation.toString();
    for (QChar &c : result) {
        for (std::size_t i = 0; keys[i] != 0; ++i) {
            if (c == QChar(keys[i])) {
                c = QChar(drawn[i]);
                break;
            }
        }
    }
    return result;
}

} // namespace phonetic
