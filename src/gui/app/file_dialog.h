#pragma once

#include <QString>

class QWidget;

// Every file dialog of the program goes through here. Tests queue the chosen names in
// advance with setNextFileName() (an empty name is a cancelled dialog).
class FileDialog
{
public:
    // The chosen file, or an empty text when the user cancelled.
    static QString getOpenFileName(QWidget* parent, const QString& caption,
                                   const QString& directory = QString(),
                                   const QString& filter = QString());
    static QString getSaveFileName(QWidget* parent, const QString& caption,
                                   const QString& directory = QString(),
                                   const QString& filter = QString());
    static QString getExistingDirectory(QWidget* parent, const QString& caption,
                                        const QString& directory = QString());

    // Test seam.
    static void setNextFileName(const QString& fileName);
    static void clearFileNames();
    static int pendingFileNames();
    static QString lastCaption();

private:
    static bool takeQueued(const QString& caption, QString& fileName);
};
