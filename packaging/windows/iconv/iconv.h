/* iconv for the Windows build, over the system's code page conversions: MinGW-w64 has none, and
 * libmdb and the Access reader decode text with it. Same calls and semantics as POSIX iconv. */
#ifndef VPA_WINDOWS_ICONV_H
#define VPA_WINDOWS_ICONV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void* iconv_t;

iconv_t iconv_open(const char* tocode, const char* fromcode);
size_t iconv(iconv_t cd, char** inbuf, size_t* inbytesleft, char** outbuf, size_t* outbytesleft);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif

#endif
