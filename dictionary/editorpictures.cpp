#include "dictionary/editorpictures.h"

#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "dictionary/picture.h"
#include "platform/platform.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTableView>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

namespace {

const QString kNoPicture = QStringLiteral("bez obrázku");
// Thumbnails kept: far more than any list shows at once.
constexpr int kKeptThumbnails = 4000;
// Thumbnails made in one turn of the event loop.
constexpr int kMadeAtOnce = 6;

} // namespace

EditorPictures::EditorPictures(TForm2 &editor, Platform &platform, QGridLayout *fields)
    : QObject(&editor), m_editor(editor), m_platform(platform), m_thumbnails(kKeptThumbnails) {
    QWidget *central = editor.centralWidget();
    pictureView = named<QLabel>(central, "pictureView");
    pictureView->setAccessibleName(QStringLiteral("Obrázek vybraného výrazu"));
    pictureView->setToolTip(QStringLiteral(
        "Obrázek vybraného výrazu; obrázek lze také vložit ze schránky nebo přetáhnout na editor"));
    pictureView->setAlignment(Qt::AlignCenter);
    pictureView->setFrameShape(QFrame::StyledPanel);
    // As wide as its text needs at the desktop's font, at least.
    pictureView->setFixedSize(
        std::max(kViewWidth, pictureView->fontMetrics().horizontalAdvance(kNoPicture) + 16),
        kViewHeight);
    pictureView->setText(kNoPicture);
    pictureButton = named<QToolButton>(central, "pictureButton");
    pictureButton->setText(QStringLiteral("Obrázek…"));
    pictureButton->setAccessibleName(QStringLiteral("Vybrat obrázek"));
    pictureButton->setToolTip(QStringLiteral("Vybrat obrázek vybraného výrazu ze souboru"));
    pictureButton->setFocusPolicy(Qt::TabFocus);
    fields->addWidget(pictureView, 0, 3, 3, 1, Qt::AlignCenter);
    fields->addWidget(pictureButton, 3, 3, Qt::AlignCenter);

    auto *menu = editor.menuBar()->findChild<QMenu *>(QStringLiteral("Vyraz"));
    menu->addSeparator();
    choosePictureAction = menuItem(menu, "choosePictureAction", QStringLiteral("Vybrat obrázek…"),
                                   this, &EditorPictures::choosePictureClick);
    pastePictureAction = menuItem(
        menu, "pastePictureAction", QStringLiteral("Vložit obrázek ze schránky"), this,
        &EditorPictures::pastePictureClick, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    removePictureAction = menuItem(menu, "removePictureAction", QStringLiteral("Odebrat obrázek"),
                                   this, &EditorPictures::removePictureClick);
    connect(pictureButton, &QToolButton::clicked, this, &EditorPictures::choosePictureClick);

    QString filter;
    for (const QString &format : pictures::readableFormats())
        filter +=
            (filter.isEmpty() ? QString() : QStringLiteral(";")) + QStringLiteral("*.") + format;
    m_dialog = {QStringLiteral("Vybrat obrázek výrazu:"),
                QStringLiteral("Obrázky|") + filter + QStringLiteral("|Vše|*"),
                QString(),
                QString(),
                {}};

    DictionaryDocument &document = editor.document();
    document.model()->setThumbnails([this](int row) { return thumbnail(row); });
    connect(&document, &DictionaryDocument::changed, this, &EditorPictures::showSelected);
    connect(&document, &DictionaryDocument::saved, this, [this] {
        // Pending pictures became files: their thumbnails are made again from there.
        m_thumbnails.clear();
        showSelected();
    });
    connect(&document, &DictionaryDocument::renamed, this, [this] { m_thumbnails.clear(); });
    connect(editor.stg->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &EditorPictures::showSelected);
    // The column of thumbnails, when it appears, is as wide as its header needs.
    connect(document.model(), &QAbstractItemModel::columnsInserted, this, [this] {
        QHeaderView *header = m_editor.stg->horizontalHeader();
        const int text = header->fontMetrics().horizontalAdvance(QStringLiteral("Obrázek"));
        header->resizeSection(DictionaryModel::kPictureColumn, text + 16);
    });
    m_maker.setSingleShot(true);
    m_maker.setInterval(0);
    connect(&m_maker, &QTimer::timeout, this, &EditorPictures::makeWaiting);

    editor.setAcceptDrops(true);
    editor.installEventFilter(this);
}

QHash<picturefile::Key, DictionaryDocument::Picture>
EditorPictures::takeImported(const Tpole &records, const QStringList &files, Dialogs &dialogs) {
    QHash<picturefile::Key, DictionaryDocument::Picture> taken;
    QStringList unread;
    for (qsizetype i = 0; i < records.size() && i < files.size(); ++i) {
        if (files[i].isEmpty())
            continue;
        const Result<pictures::Encoded> picture = pictures::fromFile(files[i]);
        if (!picture) {
            unread.append(picture.error());
            continue;
        }
        taken.insert({records[i].ang, records[i].cz},
                     {QString(), picture->bytes, picture->extension});
    }
    if (!unread.isEmpty())
        dialogs.warning(QStringLiteral("Tyto obrázky se nepodařilo načíst:\n") +
                        unread.join(u'\n'));
    return taken;
}

int EditorPictures::targetRow() {
    const int row = m_editor.selectedRow();
    if (row < 0)
        m_platform.dialogs->info(
            QStringLiteral("Nejprve vyberte v seznamu výraz, ke kterému obrázek patří."));
    return row;
}

void EditorPictures::give(const QByteArray &bytes, const QString &extension) {
    const int row = m_editor.selectedRow();
    if (row < 0)
        return;
    m_editor.document().setPicture(row, {QString(), bytes, extension});
    showSelected();
}

void EditorPictures::choosePictureClick() {
    if (targetRow() < 0)
        return;
    const std::optional<QString> chosen = m_platform.dialogs->openFile(m_dialog);
    if (!chosen)
        return;
    m_dialog.remember(*chosen);
    const Result<pictures::Encoded> picture = pictures::fromFile(*chosen);
    if (!picture) {
        m_platform.dialogs->error(picture.error());
        return;
    }
    give(picture->bytes, picture->extension);
}

void EditorPictures::pastePictureClick() {
    if (targetRow() < 0)
        return;
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !takeDropped(data))
        m_platform.dialogs->info(QStringLiteral("Ve schránce není obrázek."));
}

void EditorPictures::removePictureClick() {
    const int row = m_editor.selectedRow();
    if (row < 0 || m_editor.document().pictureOf(row).isNull())
        return;
    m_editor.document().setPicture(row, {});
    showSelected();
}

bool EditorPictures::takeDropped(const QMimeData *data) {
    if (data->hasUrls()) {
        for (const QUrl &url : data->urls()) {
            if (!url.isLocalFile())
                continue;
            const Result<pictures::Encoded> picture = pictures::fromFile(url.toLocalFile());
            if (!picture) {
                m_platform.dialogs->error(picture.error());
                return true;
            }
            give(picture->bytes, picture->extension);
            return true;
        }
    }
    if (data->hasImage()) {
        const Result<pictures::Encoded> picture =
            pictures::fromImage(qvariant_cast<QImage>(data->imageData()));
        if (!picture) {
            m_platform.dialogs->error(picture.error());
            return true;
        }
        give(picture->bytes, picture->extension);
        return true;
    }
    return false;
}

bool EditorPictures::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &m_editor) {
        if (event->type() == QEvent::DragEnter) {
            auto *drag = static_cast<QDragEnterEvent *>(event);
            if (drag->mimeData()->hasUrls() || drag->mimeData()->hasImage())
                drag->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (targetRow() >= 0 && takeDropped(drop->mimeData()))
                drop->acceptProposedAction();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void EditorPictures::showSelected() {
    const int row = m_editor.selectedRow();
    const DictionaryDocument &document = m_editor.document();
    const DictionaryDocument::Picture picture = document.pictureOf(row);
    removePictureAction->setEnabled(!picture.isNull());
    QImage image;
    if (!picture.pending.isEmpty())
        image = pictures::fitted(picture.pending, {kViewWidth - 4, kViewHeight - 4});
    else if (const QString path = document.picturePath(picture); !path.isEmpty())
        image = pictures::fitted(path, {kViewWidth - 4, kViewHeight - 4});
    if (image.isNull()) {
        pictureView->setPixmap({});
        pictureView->setText(kNoPicture);
    } else {
        pictureView->setPixmap(QPixmap::fromImage(image));
    }
}

QString EditorPictures::cacheKey(int row, QString *path, QByteArray *bytes) const {
    const DictionaryDocument &document = m_editor.document();
    const DictionaryDocument::Picture picture = document.pictureOf(row);
    if (picture.isNull())
        return {};
    if (!picture.pending.isEmpty()) {
        if (bytes)
            *bytes = picture.pending;
        // The bytes are shared, never changed: their place names them while they live.
        return QStringLiteral("*") +
               QString::number(reinterpret_cast<quintptr>(picture.pending.constData()));
    }
    if (path)
        *path = document.picturePath(picture);
    return picture.file;
}

QVariant EditorPictures::thumbnail(int row) {
    const QString key = cacheKey(row, nullptr, nullptr);
    if (key.isEmpty())
        return {};
    if (const QPixmap *made = m_thumbnails.object(key))
        return made->isNull() ? QVariant() : QVariant(*made);
    if (!m_waiting.contains(QString::number(row)))
        m_waiting.append(QString::number(row));
    m_maker.start();
    return {};
}

void EditorPictures::makeWaiting() {
    const int height = m_editor.stg->verticalHeader()->defaultSectionSize() - 2;
    const QSize box(height * 3 / 2, height);
    int made = 0;
    while (!m_waiting.isEmpty() && made < kMadeAtOnce) {
        const int row = m_waiting.takeFirst().toInt();
        QString path;
        QByteArray bytes;
        const QString key = cacheKey(row, &path, &bytes);
        if (key.isEmpty() || m_thumbnails.contains(key))
            continue;
        const QImage image = bytes.isEmpty()
                                 ? (path.isEmpty() ? QImage() : pictures::fitted(path, box))
                                 : pictures::fitted(bytes, box);
        m_thumbnails.insert(key, new QPixmap(QPixmap::fromImage(image)));
        ++made;
    }
    m_editor.stg->viewport()->update();
    if (!m_waiting.isEmpty())
        m_maker.start();
}
