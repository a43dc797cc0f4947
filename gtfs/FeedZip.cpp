#include "gtfs/FeedZip.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <unistd.h>
#include <zip.h>

namespace {

QString zipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

K41Error notAZip(const QString& name, const QString& detail) {
    return K41Error(
        K41Error::PathFileAccess,
        QStringLiteral("%1 は読める zip ファイルではありません（%2）").arg(name, detail));
}

} // namespace

FeedZip::FeedZip(const QString& path) : FeedArchive(path) {
    const int fd = FileReader::openRegular(path);
    int code = 0;
    m_zip = zip_fdopen(fd, ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_zip) {
        ::close(fd); // on failure the descriptor stays the caller's
        throw notAZip(path, zipErrorText(code));
    }
    index();
}

FeedZip::FeedZip(const QByteArray& bytes, const QString& name) : FeedArchive(name), m_bytes(bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &error);
    if (source) m_zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!m_zip) {
        const QString detail = QString::fromLocal8Bit(zip_error_strerror(&error));
        if (source) zip_source_free(source);
        zip_error_fini(&error);
        throw notAZip(name, detail);
    }
    zip_error_fini(&error);
    index();
}

FeedZip::~FeedZip() {
    if (m_zip) zip_discard(m_zip);
}

void FeedZip::fail(const QString& what) const {
    throw K41Error(K41Error::DeviceIO, QStringLiteral("%1: %2").arg(name(), what));
}

void FeedZip::index() {
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    // An empty file opens as an archive without entries: for a feed it is as good as cut.
    if (count <= 0 || count > MaxEntries) {
        zip_discard(m_zip);
        m_zip = nullptr;
        throw notAZip(name(), count <= 0 ? QStringLiteral("中身がありません")
                                         : QStringLiteral("ファイルが多すぎます: %1").arg(count));
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(m_zip, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!raw) continue;
        QString entry = QString::fromUtf8(raw);
        // A feed zipped together with its folder holds "feed/stops.txt": one level is allowed.
        const qsizetype slash = entry.indexOf(u'/');
        if (slash >= 0) {
            if (entry.indexOf(u'/', slash + 1) >= 0) continue;
            entry = entry.mid(slash + 1);
        }
        entry = entry.toLower();
        if (entry.isEmpty()) continue;
        const bool atTop = slash < 0;
        // A file at the top wins over one in a folder of the same name.
        if (!m_entries.contains(entry) || atTop) m_entries.insert(entry, i);
    }
}

bool FeedZip::has(const QString& file) const {
    return m_entries.contains(file.toLower());
}

qint64 FeedZip::declaredSize(const QString& file) const {
    const auto it = m_entries.constFind(file.toLower());
    if (it == m_entries.cend()) return 0;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, zip_uint64_t(*it), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return 0;
    return st.size > zip_uint64_t(MaxFileBytes) ? MaxFileBytes : qint64(st.size);
}

void FeedZip::readBounded(const QString& file, qint64 budget, const Sink& sink) {
    const auto it = m_entries.constFind(file.toLower());
    if (it == m_entries.cend())
        throw K41Error(K41Error::FileNotFound,
                       QStringLiteral("%1 に %2 がありません").arg(name(), file));
    zip_file_t* entry = zip_fopen_index(m_zip, zip_uint64_t(*it), 0);
    if (!entry)
        fail(QStringLiteral("%1 を開けません（%2）")
                 .arg(file, QString::fromLocal8Bit(zip_strerror(m_zip))));
    struct Closer {
        zip_file_t* f;
        ~Closer() { zip_fclose(f); }
    } closer{entry};
    static constexpr zip_uint64_t Chunk = 256 * 1024;
    QByteArray buffer(qsizetype(Chunk), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(entry, buffer.data(), Chunk);
        if (got < 0)
            fail(QStringLiteral("%1 が壊れています（%2）")
                     .arg(file, QString::fromLocal8Bit(zip_file_strerror(entry))));
        if (got == 0) break;
        total += got;
        if (total > budget) throw K41Error(K41Error::OutOfMemory, tooLarge(file));
        sink(buffer.constData(), got);
    }
}
