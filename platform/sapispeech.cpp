// Speech synthesis on Windows: the voices installed for SAPI 5. ISpVoice speaks into a
// stream in memory (16-bit mono PCM) that becomes a WAV file, played and saved like a
// recording.
#include "platform/speech.h"

#include "core/wav.h"

#include <QMutex>

#include <windows.h>

#include <sapi.h>
#include <sphelper.h>
#include <wrl/client.h>

#include <cmath>

using Microsoft::WRL::ComPtr;

namespace {

constexpr quint32 kSampleRate = 22050;
// SAPI's format id for a stream described by a WAVEFORMATEX (SPDFID_WaveFormatEx, which
// MinGW declares but no import library holds).
constexpr GUID kWaveFormatEx = {
    0xC31ADBAE, 0x527F, 0x4ff5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};

// COM for the calling thread while the object lives; a thread that has it already (the
// UI thread, in whatever apartment) keeps it as it is.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;

private:
    HRESULT m_result;
};

QString fromCom(WCHAR *text) {
    const QString result = text ? QString::fromWCharArray(text) : QString();
    CoTaskMemFree(text);
    return result;
}

// The language of a voice token: its "Language" attribute holds Windows language ids in
// hexadecimal ("405", "409;9"), the first of them its own.
QString tokenLanguage(ISpObjectToken *token) {
    ComPtr<ISpDataKey> attributes;
    WCHAR *ids = nullptr;
    if (FAILED(token->OpenKey(L"Attributes", &attributes)) ||
        FAILED(attributes->GetStringValue(L"Language", &ids)))
        return {};
    bool ok = false;
    const LCID id = fromCom(ids).section(u';', 0, 0).toUInt(&ok, 16);
    WCHAR name[LOCALE_NAME_MAX_LENGTH] = {};
    if (!ok || LCIDToLocaleName(id, name, LOCALE_NAME_MAX_LENGTH, 0) == 0)
        return {};
    return QString::fromWCharArray(name).toLower();
}

// Every installed voice with its token, the voice's name as Windows shows it.
struct InstalledVoice {
    Voice voice;
    ComPtr<ISpObjectToken> token;
};
QList<InstalledVoice> installedVoices() {
    QList<InstalledVoice> list;
    ComPtr<IEnumSpObjectTokens> tokens;
    if (FAILED(SpEnumTokens(SPCAT_VOICES, nullptr, nullptr, &tokens)))
        return list;
    ComPtr<ISpObjectToken> token;
    while (tokens->Next(1, &token, nullptr) == S_OK) {
        WCHAR *description = nullptr;
        const QString name = SUCCEEDED(SpGetDescription(token.Get(), &description))
                                 ? fromCom(description)
                                 : QString();
        const QString language = tokenLanguage(token.Get());
        if (!language.isEmpty())
            list.append({{language, name}, token});
        token.Reset();
    }
    return list;
}

// SAPI's rate runs from -10 to 10, each step about a tenth of a power of three faster;
// 0 is the voice's usual pace.
long sapiRate(int wordsPerMinute) {
    const double ratio = double(wordsPerMinute) / SpeechSynthesizer::kNormalRate;
    return std::lround(std::clamp(10.0 * std::log(ratio) / std::log(3.0), -10.0, 10.0));
}

class SapiSynthesizer final : public SpeechSynthesizer {
public:
    QList<Voice> voices() const override {
        QMutexLocker locker(&m_lock);
        ComScope com;
        QList<Voice> list;
        for (const InstalledVoice &installed : installedVoices())
            list.append(installed.voice);
        return list;
    }

    Result<QByteArray> synthesize(const QString &text, const QString &language, int rate) override {
        QMutexLocker locker(&m_lock);
        ComScope com;
        const QList<InstalledVoice> installed = installedVoices();
        QList<Voice> all;
        for (const InstalledVoice &one : installed)
            all.append(one.voice);
        const std::optional<Voice> chosen = voiceFor(all, language);
        if (!chosen) {
            return Failure{missingVoiceMessage(language)};
        }
        ComPtr<ISpObjectToken> token = installed[all.indexOf(*chosen)].token;

        ComPtr<ISpVoice> voice;
        ComPtr<IStream> memory;
        ComPtr<ISpStream> stream;
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = kSampleRate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = 2;
        format.nAvgBytesPerSec = kSampleRate * 2;
        HRESULT result = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&voice));
        if (SUCCEEDED(result))
            result = CreateStreamOnHGlobal(nullptr, TRUE, &memory);
        if (SUCCEEDED(result))
            result = CoCreateInstance(CLSID_SpStream, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&stream));
        if (SUCCEEDED(result))
            result = stream->SetBaseStream(memory.Get(), kWaveFormatEx, &format);
        if (SUCCEEDED(result))
            result = voice->SetOutput(stream.Get(), TRUE);
        if (SUCCEEDED(result))
            result = voice->SetVoice(token.Get());
        if (SUCCEEDED(result))
            result =
                voice->SetRate(sapiRate(std::clamp(rate, int(kSlowestRate), int(kFastestRate))));
        // Only spoken: SAPI's XML in a dictionary's text is read out, not obeyed.
        const std::wstring words = text.left(kLongestText).toStdWString();
        if (SUCCEEDED(result))
            result = voice->Speak(words.c_str(), SPF_IS_NOT_XML, nullptr);
        if (SUCCEEDED(result))
            result = voice->WaitUntilDone(INFINITE);
        STATSTG facts{};
        if (SUCCEEDED(result))
            result = memory->Stat(&facts, STATFLAG_NONAME);
        HGLOBAL global = nullptr;
        if (SUCCEEDED(result))
            result = GetHGlobalFromStream(memory.Get(), &global);
        if (FAILED(result)) {
            return Failure{QStringLiteral("Řeč nelze vytvořit: syntéza řeči Windows selhala (chyba "
                                          "0x%1).")
                               .arg(quint32(result), 8, 16, QChar(u'0'))};
        }
        QByteArray samples;
        if (const void *bytes = GlobalLock(global)) {
            samples =
                QByteArray(static_cast<const char *>(bytes), qsizetype(facts.cbSize.QuadPart));
            GlobalUnlock(global);
        }
        return wav::pcmFile(samples, kSampleRate, 1, 16);
    }

private:
    mutable QMutex m_lock;
};

} // namespace

std::unique_ptr<SpeechSynthesizer> makeSpeechSynthesizer() {
    return std::make_unique<SapiSynthesizer>();
}
