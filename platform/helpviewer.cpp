// The program's help: the help file (HTML in UTF-8) shown in a window of the
// program, scrolled to the topic's anchor.
#include "platform/services.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// More than any help text needs; a larger file is not a help file of ours.
constexpr qint64 kLargestHelpFile = 8 * 1024 * 1024;

class HelpViewer final : public Help {
public:
    Result<void> show(const QString &helpFile, const QString &topic) override {
        const QFileInfo info(helpFile);
        const QString name = QFileInfo(helpFile).fileName();
        if (!info.exists() || !info.isFile())
            return Failure{QStringLiteral("Soubor nápovědy „%1“ nebyl nalezen ve složce "
                                          "programu.")
                               .arg(name)};
        if (info.size() > kLargestHelpFile)
            return Failure{QStringLiteral("Soubor nápovědy „%1“ je příliš velký, nejde o "
                                          "nápovědu programu Vokab.")
                               .arg(name)};
        QFile file(helpFile);
        if (!file.open(QIODevice::ReadOnly))
            return Failure{QStringLiteral("Soubor nápovědy „%1“ nelze otevřít.").arg(name)};
        const QByteArray bytes = file.read(kLargestHelpFile + 1);
        if (bytes.size() > kLargestHelpFile)
            return Failure{QStringLiteral("Soubor nápovědy „%1“ je příliš velký, nejde o "
                                          "nápovědu programu Vokab.")
                               .arg(name)};

        ensureWindow();
        m_browser->setSearchPaths({info.absolutePath()});
        m_browser->setHtml(QString::fromUtf8(bytes));
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        if (!topic.isEmpty())
            m_browser->scrollToAnchor(topic);
        return {};
    }

private:
    void ensureWindow() {
        if (m_window)
            return;
        m_window = std::make_unique<QDialog>();
        m_window->setObjectName(QStringLiteral("HelpViewer"));
        m_window->setWindowTitle(QStringLiteral("Vokab - Nápověda"));
        m_window->resize(640, 520);
        auto *layout = new QVBoxLayout(m_window.get());
        m_browser = new QTextBrowser(m_window.get());
        m_browser->setObjectName(QStringLiteral("HelpText"));
        m_browser->setOpenExternalLinks(true);
        layout->addWidget(m_browser);
        auto *buttons = new QDialogButtonBox(m_window.get());
        QPushButton *close =
            buttons->addButton(QStringLiteral("Zavřít"), QDialogButtonBox::RejectRole);
        close->setObjectName(QStringLiteral("HelpClose"));
        QObject::connect(buttons, &QDialogButtonBox::rejected, m_window.get(), &QDialog::hide);
        layout->addWidget(buttons);
    }

    std::unique_ptr<QDialog> m_window;
    QTextBrowser *m_browser = nullptr;
};

} // namespace

std::unique_ptr<Help> makeHelp() {
    return std::make_unique<HelpViewer>();
}
