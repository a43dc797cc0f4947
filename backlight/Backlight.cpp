#include "backlight/Backlight.h"

#include "backlight/PictureCut.h"
#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"
#include "settings/Settings.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <new>
#include <unistd.h>

namespace Backlight {

State stateOf(int index) {
    return index == 0 ? Off : index == 1 ? On1 : On2;
}

OleColor numberColour(const Settings& s, State state) {
    switch (state) {
    case Off:
        return s.SeiriNumColorOff;
    case On1:
        return s.SeiriNumColorOn1;
    case On2:
        break;
    }
    return s.SeiriNumColorOn2;
}

std::optional<QString> userPictureFile(const Settings& s, State state) {
    if (!s.PanelAssignEach) return std::nullopt;
    switch (state) {
    case Off:
        if (s.PanelOffUser) return s.PanelOffFile;
        break;
    case On1:
        if (s.PanelOn1User) return s.PanelOn1File;
        break;
    case On2:
        if (s.PanelOn2User) return s.PanelOn2File;
        break;
    }
    return std::nullopt;
}

bool FileExists(const QString& stored) {
    // An empty path names no file: the board keeps its picture rather than losing it to
    // whatever the working folder happens to hold.
    if (stored.isEmpty()) return false;
    return QFileInfo(PathResolver::resolve(stored)).isFile();
}

namespace {

K41Error notAPicture(const QString& path, const QString& detail) {
    return K41Error(K41Error::InvalidPicture,
                    QStringLiteral("画像として読み込めません: %1 (%2)").arg(path, detail));
}

K41Error tooCostly(const QString& path, const QSize& size, qint64 bytes) {
    return K41Error(K41Error::InvalidPicture,
                    QStringLiteral("画像が大きすぎて読み込めません: %1 (%2 × %3 ピクセル、"
                                   "読み込みに %4 MB が必要、上限 %5 MB)")
                        .arg(path)
                        .arg(size.width())
                        .arg(size.height())
                        .arg(bytes >> 20)
                        .arg(PictureCut::DecodeBudget >> 20));
}

// Checks, before anything is decoded, that reading the part of the picture that shows stays
// within the budget, and sets the reader up to read only that part. `file` is the picture's
// file; `shown` the part of the board the picture covers.
void boundRead(QImageReader& reader, QIODevice& file, const QString& path, const QSize& full,
               const QRect& shown) {
    // Qt's own check on the decoded picture's size, as a last guard.
    reader.setAllocationLimit(int(PictureCut::DecodeBudget >> 20));
    const bool cut = shown.size() != full;
    if (reader.format() == "jpeg") {
        // A JPEG is decoded row by row, and a clip keeps only the rows and columns that show,
        // unless its decoder must first gather the whole picture's coefficients.
        const std::optional<PictureCut::JpegFrame> frame = PictureCut::jpegFrame(file);
        if (frame && frame->bufferBytes > PictureCut::DecodeBudget)
            throw tooCostly(path, frame->size, frame->bufferBytes);
        if (cut) reader.setClipRect(shown);
        return;
    }
    const qint64 decoded = qint64(full.width()) * full.height() * 4;
    if (cut && reader.supportsOption(QImageIOHandler::ClipRect)) {
        reader.setClipRect(shown);
    } else if (decoded > PictureCut::DecodeBudget) {
        throw tooCostly(path, full, decoded);
    }
}

} // namespace

QImage loadPicture(const QString& stored, const QSize& visible) {
    const QString path = PathResolver::resolve(stored);
    int fd = -1;
    try {
        fd = FileReader::openRegular(path);
    } catch (const K41Error& e) {
        // A picture that is there but cannot be opened is a path or file access error,
        // refused permission included.
        if (e.number() == K41Error::PermissionDenied)
            throw K41Error(K41Error::PathFileAccess, e.description());
        throw;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw K41Error::fromFile(file, path);
    }

    // A GIF larger than the board is decoded here, keeping only the corner that shows.
    if (std::optional<QImage> gif = PictureCut::cropGif(file, visible)) {
        if (file.error() != QFileDevice::NoError) throw K41Error::fromFile(file, path);
        return *gif;
    }
    // A BMP of plain rows is cut before decoding: only the rows and bytes that show are read.
    QBuffer cutBmp;
    if (std::optional<QByteArray> cut = PictureCut::cropBmp(file, visible)) {
        cutBmp.setData(std::move(*cut));
        cutBmp.open(QIODevice::ReadOnly);
    }
    QImageReader reader(cutBmp.isOpen() ? static_cast<QIODevice*>(&cutBmp) : &file);
    // The content decides, not the name: a JPEG saved as .bmp still shows, a text file named
    // .jpg is refused.
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QRect board(QPoint(0, 0), visible);
    const QSize full = reader.size();
    if (full.isValid()) {
        const QRect shown = QRect(QPoint(0, 0), full).intersected(board);
        if (!shown.isEmpty()) boundRead(reader, *reader.device(), path, full, shown);
    }

    QImage image;
    const bool read = reader.read(&image);
    if (file.error() != QFileDevice::NoError) throw K41Error::fromFile(file, path);
    if (!read) {
        if (reader.error() == QImageReader::DeviceError)
            throw K41Error(
                K41Error::DeviceIO,
                QStringLiteral("読み込みエラー: %1 (%2)").arg(path, reader.errorString()));
        throw notAPicture(path, reader.errorString());
    }
    if (image.isNull()) throw notAPicture(path, QStringLiteral("empty image"));
    if (!board.contains(image.rect())) image = image.copy(image.rect().intersected(board));
    return image;
}

Outcome decide(const Settings& settings, int index, const QSize& visible) {
    Outcome o;
    o.state = stateOf(index);
    o.numberColour = numberColour(settings, o.state);
    const std::optional<QString> file = userPictureFile(settings, o.state);
    if (!file) {
        o.picture = Outcome::Picture::Builtin;
        return o;
    }
    o.picture = Outcome::Picture::Unchanged;
    if (!FileExists(*file)) return o;
    try {
        o.userPicture = loadPicture(*file, visible);
        o.picture = Outcome::Picture::User;
    } catch (const K41Error& e) {
        o.errorNumber = e.number();
    } catch (const std::bad_alloc&) {
        o.errorNumber = K41Error::OutOfMemory;
    }
    if (o.errorNumber) o.errorFile = PathResolver::resolve(*file);
    return o;
}

QString errorText(int number) {
    QString text = QStringLiteral("エラーです。\r\n\r\nエラーコード：") + QString::number(number);
    switch (number) {
    case 7:
    case 28:
    case 51:
        text += QStringLiteral("　内部的なエラーです。しろくま工房へ報告してください。"
                               "エラー場所：frmCtl.Option4_Click()");
        break;
    case 53:
    case 75:
    case 76:
        text += QStringLiteral("　画像ファイルが見つからないか、指定している場所が不正です。");
        break;
    case 57:
    case 68:
        text += QStringLiteral("　デバイスエラーもしくは準備が出来ていません。");
        break;
    case 481:
        text += QStringLiteral("　指定した画像の内容が不正です。この部分では扱えません。");
        break;
    default:
        break;
    }
    return text;
}

QImage compose(const QImage& picture, const QSize& size) {
    QImage out(size, QImage::Format_RGB32);
    out.fill(PlainGrey);
    if (!picture.isNull()) {
        QPainter p(&out);
        p.drawImage(0, 0, picture);
    }
    return out;
}

} // namespace Backlight
