#include "platform/services.h"

#include <QDesktopServices>

namespace {

class DesktopShell final : public Shell {
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

} // namespace

std::unique_ptr<Shell> makeShell() {
    return std::make_unique<DesktopShell>();
}
