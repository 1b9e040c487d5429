#pragma once

#include "dictionary/picturefile.h"

#include <QHash>
#include <QString>

class QLabel;
class QMainWindow;
class QWidget;
struct Tslovniky;

// The picture of the expression a mode window (learning, the tests, the review) asks or
// answers, at the right of the window's controls. It takes room only while the window's
// dictionary has pictures, so that a dictionary without them shows the window as it
// always was (and the window's size does not change from one expression to the next).
// The pictures come from the picture file beside the dictionary, and only files directly
// in its sound folder are shown.
class ModePicture {
public:
    // Puts the picture at the right of the window's central widget (made before).
    ModePicture(QMainWindow &window, const char *name);

    QLabel *view = nullptr;

    // The pictures of the dictionary at `path` (none before). A Czech message when its
    // picture file cannot be read: the window then goes on without pictures.
    QString open(const QString &dictionaryPath);
    // Shows the expression's picture, or an empty place when it has none.
    void show(const Tslovniky &expression);
    void show(const QString &foreign, const QString &czech);
    void clear();
    // Whether a picture is shown now.
    bool showing() const;
    bool hasPictures() const { return !m_files.isEmpty(); }

    // The size the pictures are shown at, at most.
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 180;

private:
    QHash<picturefile::Key, QString> m_files;
    QString m_folder;
};
