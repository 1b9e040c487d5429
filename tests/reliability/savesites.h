#pragma once

#include <QList>
#include <QString>

class TestWindows;

// Every place where the program writes a file, driven through its window as the user
// does it. A site first gets ready (once), then saves; the two variants of a save
// write different contents where the window allows it.
struct SaveSite {
    const char *name;
    const char *fileName;
    // The folder inside the program folder that the file goes to ("" for the program
    // folder itself); null when the user chooses the folder.
    const char *ownFolder;
    void (*setup)(TestWindows &windows, const QString &target, int size);
    void (*save)(TestWindows &windows, const QString &target, int variant);
};

const QList<SaveSite> &saveSites();
// The review plan, whose contents grow with every answer: only the kill test takes it.
const SaveSite &planSaveSite();
const SaveSite *findSaveSite(const QString &name);

// Where a site writes: its own folder in `programFolder`, or `chosenFolder`.
QString saveTarget(const SaveSite &site, const QString &programFolder, const QString &chosenFolder);
QString saveTarget(const SaveSite &site, TestWindows &windows, const QString &chosenFolder);

// A dictionary of `size` expressions in Windows-1250 with CR LF line ends.
QByteArray dictionaryBytes(int size, int variant);
