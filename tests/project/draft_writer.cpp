// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the draft "killed" in the state folder argv[1] over and over, each
// round a site whose every page and title name the round, showing the
// picture argv[2], until it is killed. Says "written" after the first draft.

#include "project/draftstore.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace quillsite;

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    DraftStore store(QString::fromLocal8Bit(argv[1]));
    const QString picture = QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2])).toString();
    for (int round = 0;; ++round) {
        Draft draft{
            u"/templates/meadow"_s, u"Round %1"_s.arg(round), u"Ann"_s, {}, u"/home/ann/site"_s};
        for (int page = 0; page < 100; ++page)
            draft.pages.append(
                {page, u"Page %1"_s.arg(page),
                 u"<p>Round %1 of page %2 %3</p><img src=\"%4\">"_s.arg(round).arg(page).arg(
                     QString(4000, u'x'), picture),
                 u"/home/ann"_s});
        if (const QString problem = store.save(u"killed"_s, draft); !problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
        if (round == 0) {
            std::puts("written");
            std::fflush(stdout);
        }
    }
}
