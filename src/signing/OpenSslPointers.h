#pragma once

#include "OpenSslHandles.h"

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/evp.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>

#include <QByteArray>
#include <memory>

namespace arc {

// Owning pointers for other OpenSSL objects, each freed by its own function.
template <auto Free> struct OpenSslFree {
    template <typename T> void operator()(T *p) const { Free(p); }
};

// A read-only memory BIO over bytes that outlive it.
inline BioPtr readBio(const QByteArray &bytes) { return BioPtr(BIO_new_mem_buf(bytes.constData(), int(bytes.size()))); }

// Everything written to a memory BIO.
inline QByteArray bioBytes(BIO *bio)
{
    char *data = nullptr;
    const long n = BIO_get_mem_data(bio, &data);
    return n > 0 ? QByteArray(data, n) : QByteArray();
}

} // namespace arc
