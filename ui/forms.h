#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;
class TForm22;
class TForm23;
class TForm24;
class ReviewWindow;
class ImportWindow;
class BackupWindow;
class MainWindow;
class GeneralSettings;
class ResultEvaluation;
class DictionaryDocument;

// Every window of the program, filled by the start-up in its fixed creation order
// (the order of the members below). Windows reach each other through this table.
struct Forms {
    TForm22 *Form22 = nullptr;
    TForm1 *Form1 = nullptr;
    TForm8 *Form8 = nullptr;
    TForm2 *Form2 = nullptr;
    TForm3 *Form3 = nullptr;
    TForm9 *Form9 = nullptr;
    TForm7 *Form7 = nullptr;
    TForm6 *Form6 = nullptr;
    TForm4 *Form4 = nullptr;
    TForm10 *Form10 = nullptr;
    TForm12 *Form12 = nullptr;
    TForm5 *Form5 = nullptr;
    TForm11 *Form11 = nullptr;
    TForm13 *Form13 = nullptr;
    TForm14 *Form14 = nullptr;
    TForm15 *Form15 = nullptr;
    TForm16 *Form16 = nullptr;
    TForm18 *Form18 = nullptr;
    TForm17 *Form17 = nullptr;
    TForm19 *Form19 = nullptr;
    TForm20 *Form20 = nullptr;
    TForm23 *Form23 = nullptr;
    TForm24 *Form24 = nullptr;
    // Ours, after the system's windows.
    ReviewWindow *review = nullptr;
    ImportWindow *importWindow = nullptr;
    BackupWindow *backupWindow = nullptr;

    // The main window and the general settings as the subsystems see them
    // (ui/mainwindow.h, ui/generalsettings.h): Form1 and Form8 again, set as soon as each
    // is made, so that no subsystem includes app/.
    MainWindow *main = nullptr;
    GeneralSettings *settings = nullptr;
    // The evaluation as the test windows see it (testing/testwindow.h): Form9 again.
    ResultEvaluation *evaluation = nullptr;
    // The editor's dictionary (Form2's document), for the edit dialog.
    DictionaryDocument *document = nullptr;

    // Every window above exists: the start-up sets it once the last one is made. Until
    // then a message box (a bad setting read while a window is made) runs the message
    // loop with some of the windows still missing.
    bool made = false;
};
