// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The INI reader over any bytes as a template's data.ini.

#include "library/inifile.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static QTemporaryFile ini;
    if (!ini.isOpen() && !ini.open())
        std::abort();
    ini.resize(0);
    ini.seek(0);
    ini.write(reinterpret_cast<const char *>(data), qint64(size));
    ini.flush();
    for (const QString &key : {u"Name"_s, u"Author"_s, u"URL"_s, u"Description"_s}) {
        // The profile reader never gives more than 254 characters.
        if (quillsite::ReadIniString(u"Data"_s, key, ini.fileName()).size() > 254)
            std::abort();
    }
    return 0;
}
