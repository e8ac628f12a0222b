// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "publish/destinationfactory.h"

#include "publish/folderdestination.h"
#include "publish/ftpdestination.h"
#include "publish/gitdestination.h"
#include "publish/sftpdestination.h"

namespace quillsite {

std::unique_ptr<Destination> makeDestination(const DestinationAddress &address,
                                             const ConnectionOptions &options) {
    switch (address.kind) {
    case DestinationAddress::Kind::Folder:
        return std::make_unique<FolderDestination>(address.path);
    case DestinationAddress::Kind::Git:
        return std::make_unique<GitDestination>(address);
    case DestinationAddress::Kind::Sftp:
        return makeSftpDestination(address, options);
    case DestinationAddress::Kind::Ftps:
    case DestinationAddress::Kind::Ftp:
        return makeFtpDestination(address, options);
    }
    return nullptr;
}

} // namespace quillsite
