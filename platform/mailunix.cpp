// The message to the author on Linux: the desktop's xdg-email opens the user's mail client
// with the message, to be confirmed there.
#include "platform/services.h"

#include <QProcess>

namespace {

class DesktopMail final : public Mail {
public:
    bool send(const QString &recipient, const QString &subject,
              const QString &attachment) override {
        QProcess process;
        process.start(QStringLiteral("xdg-email"),
                      {QStringLiteral("--subject"), subject, QStringLiteral("--attach"), attachment,
                       recipient});
        if (!process.waitForStarted(10000))
            return false;
        if (!process.waitForFinished(60000)) {
            process.kill();
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QString adviceOnFailure() const override {
        return QStringLiteral("Zkontrolujte, zda je v nastavení pracovní plochy zvolen výchozí "
                              "poštovní program; zprávu mu předává příkaz xdg-email.");
    }
};

} // namespace

std::unique_ptr<Mail> makeMail() {
    return std::make_unique<DesktopMail>();
}
