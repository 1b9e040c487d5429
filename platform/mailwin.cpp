// The message to the author on Windows: Simple MAPI's MAPISendMail from MAPI32.DLL, loaded
// when first needed, shows the mail client's new message with the file attached; the
// user sends it from there. Without a MAPI client a mailto: address opens a new message
// with the recipient and the subject once the failure has been reported.
#include "platform/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLibrary>
#include <QUrlQuery>
#include <QWidget>

#include <windows.h>

#include <mapi.h>

namespace {

// Simple MAPI's Unicode message (MAPISendMailW, Windows 8 and later); MinGW's mapi.h
// declares only the ANSI one, whose layout this repeats with wide texts.
struct MapiRecipDescW {
    ULONG ulReserved;
    ULONG ulRecipClass;
    PWSTR lpszName;
    PWSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};
struct MapiFileDescW {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    PWSTR lpszPathName;
    PWSTR lpszFileName;
    LPVOID lpFileType;
};
struct MapiMessageW {
    ULONG ulReserved;
    PWSTR lpszSubject;
    PWSTR lpszNoteText;
    PWSTR lpszMessageType;
    PWSTR lpszDateReceived;
    PWSTR lpszConversationID;
    FLAGS flFlags;
    MapiRecipDescW *lpOriginator;
    ULONG nRecipCount;
    MapiRecipDescW *lpRecips;
    ULONG nFileCount;
    MapiFileDescW *lpFiles;
};
using SendMailW = ULONG(WINAPI *)(LHANDLE, ULONG_PTR, MapiMessageW *, FLAGS, ULONG);

// Logging on with a user interface, in a new session, showing the message: 11.
constexpr FLAGS kSendFlags = MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG;

PWSTR wide(QString &text) {
    return reinterpret_cast<PWSTR>(text.data());
}

// Marks Simple MAPI as there, as mail clients expect of a program that uses it; only
// where the key exists already, and a key that cannot be written is passed over.
void markSimpleMapi() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows Messaging Subsystem", 0,
                      KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    const wchar_t one[] = L"1";
    RegSetValueExW(key, L"MAPI", 0, REG_SZ, reinterpret_cast<const BYTE *>(one), sizeof one);
    RegCloseKey(key);
}

ULONG_PTR parentWindow() {
    const QWidget *window = QApplication::activeWindow();
    return window ? ULONG_PTR(window->winId()) : 0;
}

// The ANSI call, for a MAPI that has no Unicode one: the attachment by its short name,
// which the ANSI code page can hold whatever letters the long one has.
ULONG sendAnsi(LPMAPISENDMAIL sendMail, const QString &recipient, const QString &subject,
               const QString &attachment) {
    QString shortPath(MAX_PATH, QChar());
    const DWORD length =
        GetShortPathNameW(reinterpret_cast<LPCWSTR>(attachment.utf16()), wide(shortPath), MAX_PATH);
    shortPath = length > 0 && length < MAX_PATH ? shortPath.left(length) : attachment;
    QByteArray subjectBytes = subject.toLocal8Bit();
    QByteArray address = recipient.toLocal8Bit();
    QByteArray path = shortPath.toLocal8Bit();
    char empty[] = "";
    MapiRecipDesc to{0, MAPI_TO, empty, address.data(), 0, nullptr};
    MapiFileDesc file{0, 0, 0, path.data(), nullptr, nullptr};
    MapiMessage message{};
    message.lpszSubject = subjectBytes.data();
    message.nRecipCount = 1;
    message.lpRecips = &to;
    message.nFileCount = 1;
    message.lpFiles = &file;
    return sendMail(0, parentWindow(), &message, kSendFlags, 0);
}

class MapiMail final : public Mail {
public:
    bool send(const QString &recipient, const QString &subject,
              const QString &attachment) override {
        if (!m_library.isLoaded() && !m_library.load())
            return false;
        markSimpleMapi();
        if (const auto sendMailW =
                reinterpret_cast<SendMailW>(m_library.resolve("MAPISendMailW"))) {
            QString subjectText = subject;
            QString address = recipient;
            QString path = attachment;
            QString empty;
            empty.reserve(1);
            MapiRecipDescW to{0, MAPI_TO, wide(empty), wide(address), 0, nullptr};
            MapiFileDescW file{0, 0, 0, wide(path), nullptr, nullptr};
            MapiMessageW message{};
            message.lpszSubject = wide(subjectText);
            message.nRecipCount = 1;
            message.lpRecips = &to;
            message.nFileCount = 1;
            message.lpFiles = &file;
            return sendMailW(0, parentWindow(), &message, kSendFlags, 0) == SUCCESS_SUCCESS;
        }
        if (const auto sendMail =
                reinterpret_cast<LPMAPISENDMAIL>(m_library.resolve("MAPISendMail")))
            return sendAnsi(sendMail, recipient, subject, attachment) == SUCCESS_SUCCESS;
        return false;
    }

    QString adviceOnFailure() const override {
        return QStringLiteral("Pokud používáte Outlook expres, zkontrolujte, zda je nastaven jako "
                              "výchozí klient MAPI.");
    }

    void afterFailure(const QString &recipient, const QString &subject) override {
        QUrl url(QStringLiteral("mailto:") + recipient);
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), subject);
        url.setQuery(query);
        QDesktopServices::openUrl(url);
    }

private:
    QLibrary m_library{QStringLiteral("MAPI32")};
};

} // namespace

std::unique_ptr<Mail> makeMail() {
    return std::make_unique<MapiMail>();
}
