#include "core/oserror.h"

#include <cerrno>

namespace oserror {

QString reason(int errnum) {
    switch (errnum) {
    case EACCES:
    case EPERM:
        return QStringLiteral("k souboru nebo jeho složce nemáte přístup");
    case EROFS:
        return QStringLiteral("disk je jen pro čtení");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("na disku není místo");
    case ENOENT:
        return QStringLiteral("soubor nebo jeho složka neexistuje");
    case ENOTDIR:
        return QStringLiteral("část cesty není složka");
    case EISDIR:
        return QStringLiteral("na tomto místě je složka");
    case ENAMETOOLONG:
        return QStringLiteral("jméno souboru je příliš dlouhé");
    case EEXIST:
        return QStringLiteral("soubor už existuje");
    case ELOOP:
        return QStringLiteral("cesta vede přes příliš mnoho odkazů");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("je otevřeno příliš mnoho souborů");
    case EFBIG:
        return QStringLiteral("soubor je příliš velký");
    case EIO:
        return QStringLiteral("chyba při čtení nebo zápisu na disk");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("soubor právě používá jiný program");
    case EXDEV:
        return QStringLiteral("soubor nelze přesunout na jiný disk");
    default:
        return QStringLiteral("chyba systému číslo %1").arg(errnum);
    }
}

QString reason(const std::error_code &code) {
    // A code of another category (a stream, a future) has no number of the system.
    const std::error_condition condition = code.default_error_condition();
    if (condition.category() == std::generic_category())
        return reason(condition.value());
    return QStringLiteral("chyba číslo %1").arg(code.value());
}

} // namespace oserror
