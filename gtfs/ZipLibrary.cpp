// libzip, opened when the first feed archive is read (see LazyLibrary). A function the
// program starts to call is added here (linking names it as an undefined reference).
#include "platform/core/LazyLibrary.h"

#include <zip.h>

namespace {
LazyLibrary zipLibrary(K41_LIBZIP_SONAME);
} // namespace

K41_LAZY_FORWARD(zipLibrary, void, zip_discard, (zip_t * archive), (archive))
K41_LAZY_FORWARD(zipLibrary, void, zip_error_fini, (zip_error_t * error), (error))
K41_LAZY_FORWARD(zipLibrary, void, zip_error_init, (zip_error_t * error), (error))
K41_LAZY_FORWARD(zipLibrary, void, zip_error_init_with_code, (zip_error_t * error, int code),
                 (error, code))
K41_LAZY_FORWARD(zipLibrary, const char*, zip_error_strerror, (zip_error_t * error), (error))
K41_LAZY_FORWARD(zipLibrary, int, zip_fclose, (zip_file_t * file), (file))
K41_LAZY_FORWARD(zipLibrary, zip_t*, zip_fdopen, (int fd, int flags, int* error),
                 (fd, flags, error))
K41_LAZY_FORWARD(zipLibrary, const char*, zip_file_strerror, (zip_file_t * file), (file))
K41_LAZY_FORWARD(zipLibrary, zip_file_t*, zip_fopen_index,
                 (zip_t * archive, zip_uint64_t index, zip_flags_t flags), (archive, index, flags))
K41_LAZY_FORWARD(zipLibrary, zip_int64_t, zip_fread, (zip_file_t * file, void* buf, zip_uint64_t n),
                 (file, buf, n))
K41_LAZY_FORWARD(zipLibrary, const char*, zip_get_name,
                 (zip_t * archive, zip_uint64_t index, zip_flags_t flags), (archive, index, flags))
K41_LAZY_FORWARD(zipLibrary, zip_int64_t, zip_get_num_entries, (zip_t * archive, zip_flags_t flags),
                 (archive, flags))
K41_LAZY_FORWARD(zipLibrary, zip_t*, zip_open_from_source,
                 (zip_source_t * source, int flags, zip_error_t* error), (source, flags, error))
K41_LAZY_FORWARD(zipLibrary, zip_source_t*, zip_source_buffer_create,
                 (const void* data, zip_uint64_t length, int freeP, zip_error_t* error),
                 (data, length, freeP, error))
K41_LAZY_FORWARD(zipLibrary, void, zip_source_free, (zip_source_t * source), (source))
K41_LAZY_FORWARD(zipLibrary, int, zip_stat_index,
                 (zip_t * archive, zip_uint64_t index, zip_flags_t flags, zip_stat_t* stat),
                 (archive, index, flags, stat))
K41_LAZY_FORWARD(zipLibrary, void, zip_stat_init, (zip_stat_t * stat), (stat))
K41_LAZY_FORWARD(zipLibrary, const char*, zip_strerror, (zip_t * archive), (archive))
