#pragma once

#include <QString>

// The program's own addresses: its web page (about box, "Stránky programu", the update)
// and the author's e-mail (about box, the message to the author).
namespace product {

inline QString webAddress() {
    return QStringLiteral("https://vokab.example.org/");
}

inline QString authorEmail() {
    return QStringLiteral("autor@vokab.example.org");
}

} // namespace product
