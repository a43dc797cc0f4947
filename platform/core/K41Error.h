#pragma once
// The one error type of K41. A failure carries the runtime error number that the error
// boxes show ("エラー Code:" 53 ...) and a description a user can act on.
#include <QFileDevice>
#include <QString>
#include <stdexcept>

class K41Error : public std::runtime_error {
  public:
    // Runtime error numbers used across the program.
    enum Number : int {
        InvalidCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        InternalError = 51,
        BadFileName = 52,
        FileNotFound = 53,
        DeviceIO = 57,
        DiskFull = 61,
        InputPastEnd = 62,
        DeviceUnavailable = 68,
        PermissionDenied = 70,
        PathFileAccess = 75,
        PathNotFound = 76,
        InvalidPropertyValue = 380,
        InvalidPicture = 481,
    };

    K41Error(int number, const QString& description);

    int number() const { return m_number; }
    QString description() const { return m_description; }

    // Maps a failed QFile operation on `path` to the matching runtime error.
    static K41Error fromFile(const QFileDevice& file, const QString& path);
    static K41Error fromFileError(QFileDevice::FileError error, const QString& path,
                                  const QString& detail = {});
    // A write-side system call on `path` failed with `error` (an errno value): a full disk, a
    // file that may not be written (read-only, or not even readable), a read-only file
    // system, a missing folder, an I/O error.
    static K41Error writeFailure(int error, const QString& path);
    // Reading ran past the end of the data (a cut file).
    static K41Error pastEnd(const QString& what);
    static K41Error subscript(const QString& what);
    static K41Error invalidProperty(const QString& what);
    // Any failure as a K41Error: itself when it is one, error 7 for an allocation failure,
    // error 51 (internal error) with its text for anything else. Every error box that must
    // also catch what nobody expected goes through this.
    static K41Error from(const std::exception& e);

  private:
    int m_number;
    QString m_description;
};
