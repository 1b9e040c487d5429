// Services whose desktop implementations are still to come; each reports plainly
// that it is not available rather than pretending to work.
#include "platform/services.h"

#include <QTimer>

namespace {

class NoDownload final : public Download {
public:
    void start(const QUrl &, const QString &) override {
        QTimer::singleShot(0, this,
                           [this] { emit failed(QStringLiteral("Stahování není k dispozici.")); });
    }
    void abort() override {}
};

class NoNetwork final : public Network {
public:
    bool connected() const override { return false; }
    std::unique_ptr<Download> createDownload() override { return std::make_unique<NoDownload>(); }
};

class NoMail final : public Mail {
public:
    bool send(const QString &, const QString &, const QString &) override { return false; }
};

} // namespace

std::unique_ptr<Network> makeNetwork() {
    return std::make_unique<NoNetwork>();
}
std::unique_ptr<Mail> makeMail() {
    return std::make_unique<NoMail>();
}
