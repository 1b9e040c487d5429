#pragma once

#include "dictionary/dictionarydocument.h"
#include "platform/dialogs.h"

#include <QCache>
#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QVariant>

class QAction;
class QGridLayout;
class QLabel;
class QMimeData;
class QToolButton;
class TForm2;
struct Platform;

// The pictures of the editor's expressions: the selected expression's picture beside the
// entry fields, the list's column of thumbnails, and giving the selected expression a
// picture from a file, from the clipboard or dropped on the editor (each an undoable
// change of the dictionary). The list's thumbnails are made when their rows are first
// shown, a few at a time while the program waits, and kept.
class EditorPictures final : public QObject {
    Q_OBJECT
public:
    // Puts its controls into the entry fields' grid, at the right of the rows, and its
    // items into the menu "Výraz".
    EditorPictures(TForm2 &editor, Platform &platform, QGridLayout *fields);

    QLabel *pictureView = nullptr;        // the selected expression's picture
    QToolButton *pictureButton = nullptr; // "Obrázek…"
    QAction *choosePictureAction = nullptr;
    QAction *pastePictureAction = nullptr;
    QAction *removePictureAction = nullptr;

    void choosePictureClick();
    void pastePictureClick();
    void removePictureClick();
    // A picture dropped on the editor (a file or an image); false when it holds none.
    bool takeDropped(const QMimeData *data);

    // The size of the picture beside the entry fields.
    static constexpr int kViewWidth = 96;
    static constexpr int kViewHeight = 72;

    const FileDialogState &pictureDialog() const { return m_dialog; }

    // The pictures of imported expressions (one file per expression of `records`, empty:
    // none), taken in as a chosen file is; those that cannot be read are told in one
    // message.
    static QHash<picturefile::Key, DictionaryDocument::Picture>
    takeImported(const Tpole &records, const QStringList &files, Dialogs &dialogs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the selected expression's picture beside the fields.
    void showSelected();
    // Gives the selected expression the picture, or tells why not.
    void give(const QByteArray &bytes, const QString &extension);
    int targetRow();
    QVariant thumbnail(int row);
    // Makes a few of the thumbnails waiting to be made.
    void makeWaiting();
    QString cacheKey(int row, QString *path, QByteArray *bytes) const;

    TForm2 &m_editor;
    Platform &m_platform;
    FileDialogState m_dialog;
    QCache<QString, QPixmap> m_thumbnails;
    QStringList m_waiting;
    QTimer m_maker;
};
