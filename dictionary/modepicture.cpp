#include "dictionary/modepicture.h"

#include "core/paths.h"
#include "dictionary/editorlogic.h"
#include "dictionary/picture.h"
#include "dictionary/slovnik.h"
#include "ui/form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>

ModePicture::ModePicture(QMainWindow &window, const char *name) {
    QWidget *content = window.takeCentralWidget();
    auto *frame = new QWidget(&window);
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(content, 1);
    view = named<QLabel>(frame, name);
    view->setAccessibleName(QStringLiteral("Obrázek výrazu"));
    view->setAlignment(Qt::AlignCenter);
    view->setFixedSize(kWidth + 12, kHeight + 12);
    view->hide();
    row->addWidget(view, 0, Qt::AlignTop);
    window.setCentralWidget(frame);
}

QString ModePicture::open(const QString &dictionaryPath) {
    m_files.clear();
    m_folder.clear();
    clear();
    view->hide();
    const Result<picturefile::Pictures> read =
        picturefile::readPicturesFile(picturefile::picturesPath(dictionaryPath));
    if (!read)
        return read.error() + QStringLiteral(" Obrázky se nezobrazí.");
    m_files = read->files;
    view->setVisible(!m_files.isEmpty());
    if (!m_files.isEmpty())
        m_folder = editor::existingSoundFolder(
            paths::folderPart(dictionaryPath),
            editor::soundFolderBase(paths::fileNamePart(dictionaryPath)));
    return {};
}

void ModePicture::show(const Tslovniky &expression) {
    show(expression.ang, expression.cz);
}

void ModePicture::show(const QString &foreign, const QString &czech) {
    const QString file = m_files.value({foreign, czech});
    if (file.isEmpty() || m_folder.isEmpty()) {
        clear();
        return;
    }
    const QString path = m_folder + u'/' + file;
    const QImage image =
        editor::livesIn(path, m_folder) ? pictures::fitted(path, {kWidth, kHeight}) : QImage();
    if (image.isNull()) {
        clear();
        return;
    }
    view->setPixmap(QPixmap::fromImage(image));
}

void ModePicture::clear() {
    view->clear();
}

bool ModePicture::showing() const {
    return !view->isHidden() && !view->pixmap().isNull();
}
