// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillsite {

// Shows the program's texts, and Qt's own (such as standard buttons), in the
// user's language as the environment gives it (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG). Without a translation for it the texts stay English. Call once the
// application object exists.
void installTranslations();

} // namespace quillsite
