#pragma once

#include "OpenSslPointers.h"

#include <QByteArray>

namespace arc {

// The certificate of the one who signed: among those a CMS signature
// carries, the one its single signer names; null when there is not exactly
// one signer or its certificate is not carried.
X509Ptr signerOf(CMS_ContentInfo *cms);

// The same for the signature a PDF declares; null when it declares none
// that can be read.
X509Ptr signerCertificateOf(const QByteArray &pdf);

} // namespace arc
