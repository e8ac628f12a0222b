// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QUrl;

namespace quillsite {

// Whether an address taken from a template or shown as a link may be handed
// to the desktop to open: only web pages (http, https, with a host) and mail
// addresses (mailto, with an address). Anything else, such as file:, ftp: or
// javascript:, would run or reveal something other than a web page.
bool isOpenableWebAddress(const QUrl &url);

} // namespace quillsite
