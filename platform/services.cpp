#include "platform/services.h"

#include <QDesktopServices>
#include <QProcess>

namespace {

class DesktopShell final : public Shell {
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    bool startProgram(const QString &program, const QStringList &arguments) override {
        return QProcess::startDetached(program, arguments);
    }
};

} // namespace

std::unique_ptr<Shell> makeShell() {
    return std::make_unique<DesktopShell>();
}
