#include "desktop/window/file_saving.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

#include <array>
#include <ctime>

namespace {

QString fromStd(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The folder each kind of file was last saved to in this session.
QString& lastFolder(SavedFiles::Kind kind) {
    static std::array<QString, 2> folders;
    return folders[kind == SavedFiles::Kind::Image ? 0 : 1];
}

QString firstFolder(SavedFiles::Kind kind) {
    const QString folder = QStandardPaths::writableLocation(
        kind == SavedFiles::Kind::Image ? QStandardPaths::PicturesLocation
                                        : QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// The local time now, as the file's name gives it.
std::tm now() {
    const QDateTime at = QDateTime::currentDateTime();
    std::tm t{};
    t.tm_year = at.date().year() - 1900;
    t.tm_mon = at.date().month() - 1;
    t.tm_mday = at.date().day();
    t.tm_hour = at.time().hour();
    t.tm_min = at.time().minute();
    t.tm_sec = at.time().second();
    return t;
}

} // namespace

QString FileSaving::choosePath(QWidget& window, SavedFiles::Kind kind) {
    QString& folder = lastFolder(kind);
    if (folder.isEmpty()) {
        folder = firstFolder(kind);
    }
    const QString path = QFileDialog::getSaveFileName(
        &window, QString(), QDir(folder).filePath(fromStd(SavedFiles::nameOf(kind, now()))),
        fromStd(SavedFiles::filterOf(kind)));
    if (!path.isEmpty()) {
        folder = QFileInfo(path).absolutePath();
    }
    return path;
}

bool FileSaving::writeTo(QWidget& window, const QString& path,
                         const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) {
        return true;
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    auto* box =
        new QMessageBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        fromStd(SavedFiles::notWritten(path.toStdString(), reason.toStdString())),
                        QMessageBox::Ok, &window);
    box->setObjectName(QStringLiteral("notWritten"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}
