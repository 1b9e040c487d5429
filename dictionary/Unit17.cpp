#include "dictionary/Unit17.h"

#include "platform/platform.h"
#include "ui/forms.h"

#include <QGridLayout>
#include <QLabel>

TForm17::TForm17(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form17")) {
    setWindowTitle(QStringLiteral("Vysvětlivky"));
    setFrame(Frame::CloseBoxOnly);
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *grid = new QGridLayout(central);
    grid->setVerticalSpacing(0);
    QFont phonetic(QStringLiteral("VokabFont"));
    phonetic.setPixelSize(24);
    const QString keys = QStringLiteral("0123456789!@");
    for (int i = 0; i < keys.size(); ++i) {
        const QByteArray keyName = "Label" + QByteArray::number(2 * i + 1);
        const QByteArray symbolName = "Label" + QByteArray::number(2 * i + 2);
        auto *key = named<QLabel>(central, keyName.constData());
        key->setText(keys[i] + QStringLiteral(" - "));
        auto *symbol = named<QLabel>(central, symbolName.constData());
        symbol->setText(keys[i]);
        symbol->setFont(phonetic);
        grid->addWidget(key, i, 0, Qt::AlignRight);
        grid->addWidget(symbol, i, 1, Qt::AlignLeft);
    }
    setFixedClientSize(115, 478);
    centreOnDesktop();
    closeOnEscape();
}
