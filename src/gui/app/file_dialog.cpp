#include "gui/app/file_dialog.h"

#include <QFileDialog>
#include <QQueue>

namespace {
struct FileDialogLog
{
    QQueue<QString> names;
    QString lastCaption;
};

FileDialogLog& fileDialogLog()
{
    static FileDialogLog log;
    return log;
}
} // namespace

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter)
{
    QString name;
    if (takeQueued(caption, name))
        return name;
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter)
{
    QString name;
    if (takeQueued(caption, name))
        return name;
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

QString FileDialog::getExistingDirectory(QWidget* parent, const QString& caption,
                                         const QString& directory)
{
    QString name;
    if (takeQueued(caption, name))
        return name;
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

void FileDialog::setNextFileName(const QString& fileName)
{
    fileDialogLog().names.enqueue(fileName);
}

void FileDialog::clearFileNames()
{
    fileDialogLog() = FileDialogLog();
}

int FileDialog::pendingFileNames()
{
    return int(fileDialogLog().names.size());
}

QString FileDialog::lastCaption()
{
    return fileDialogLog().lastCaption;
}

bool FileDialog::takeQueued(const QString& caption, QString& fileName)
{
    FileDialogLog& log = fileDialogLog();
    log.lastCaption = caption;
    if (log.names.isEmpty())
        return false;
    fileName = log.names.dequeue();
    return true;
}
