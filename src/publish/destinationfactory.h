// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "publish/connectionoptions.h"
#include "publish/destination.h"
#include "publish/destinationaddress.h"

#include <memory>

namespace quillsite {

// A new, unopened connection to the place the address names.
std::unique_ptr<Destination> makeDestination(const DestinationAddress &address,
                                             const ConnectionOptions &options);

} // namespace quillsite
