// A stand-in for a mail client's MAPI32.DLL, put beside the message test on Windows: its
// MAPISendMailW writes what it was given into the file VOKAB_MAIL_RECORD names, as the
// stand-in xdg-email does on Linux, and answers VOKAB_MAIL_EXIT (0, or a failure). A call
// not as Simple MAPI's send of one file to one recipient with the flags 11 is recorded
// as wrong.
#include <windows.h>

#include <mapi.h>

#include <cwchar>

namespace {

struct RecipientW {
    ULONG reserved;
    ULONG recipientClass;
    PWSTR name;
    PWSTR address;
    ULONG entrySize;
    LPVOID entry;
};
struct FileW {
    ULONG reserved;
    ULONG flags;
    ULONG position;
    PWSTR pathName;
    PWSTR fileName;
    LPVOID fileType;
};
struct MessageW {
    ULONG reserved;
    PWSTR subject;
    PWSTR noteText;
    PWSTR messageType;
    PWSTR dateReceived;
    PWSTR conversationId;
    FLAGS flags;
    RecipientW *originator;
    ULONG recipientCount;
    RecipientW *recipients;
    ULONG fileCount;
    FileW *files;
};

void append(HANDLE file, const wchar_t *text) {
    char bytes[4096];
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    DWORD written = 0;
    if (size > 1)
        WriteFile(file, bytes, DWORD(size - 1), &written, nullptr);
}

} // namespace

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMailW(LHANDLE, ULONG_PTR, MessageW *message, FLAGS flags, ULONG) {
    wchar_t path[MAX_PATH];
    if (GetEnvironmentVariableW(L"VOKAB_MAIL_RECORD", path, MAX_PATH) == 0)
        return MAPI_E_FAILURE;
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return MAPI_E_FAILURE;
    const bool wellFormed = flags == 11 && message->recipientCount == 1 &&
                            message->recipients[0].recipientClass == MAPI_TO &&
                            message->fileCount == 1 && message->subject != nullptr;
    if (!wellFormed) {
        append(file, L"--wrong-call\n");
    } else {
        const wchar_t *const parts[] = {L"--subject\n",
                                        message->subject,
                                        L"\n--attach\n",
                                        message->files[0].pathName,
                                        L"\n",
                                        message->recipients[0].address,
                                        L"\n"};
        for (const wchar_t *text : parts)
            append(file, text);
    }
    CloseHandle(file);
    wchar_t exit[16];
    if (GetEnvironmentVariableW(L"VOKAB_MAIL_EXIT", exit, 16) > 0 && std::wcscmp(exit, L"0") != 0)
        return MAPI_E_FAILURE;
    return SUCCESS_SUCCESS;
}
